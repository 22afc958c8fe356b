#include "exchange/launch_decision.h"

#include "core/address_scheme.h"

LaunchDecision launchDecision(const std::string& address) {
    const std::string_view scheme = addressScheme(address);
    if (scheme.empty()) return LaunchDecision::Refuse;
    for (const char* known : {"http", "https", "ftp", "mailto"})
        if (schemeIs(scheme, known)) return LaunchDecision::Open;
    return LaunchDecision::Ask;
}
