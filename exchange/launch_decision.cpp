#include "exchange/launch_decision.h"

#include "core/address_scheme.h"

LaunchDecision launchDecision(const std::string& address) {
    if (addressScheme(address).empty()) return LaunchDecision::Refuse;
    return isWebAddress(address) ? LaunchDecision::Open : LaunchDecision::Ask;
}
