#pragma once

// The pages open in Internet Explorer windows, as the shell lists them: their
// titles and addresses, so that the user can add one as a link.

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

struct IShellWindows;

class BrowserWindowCapture {
public:
    BrowserWindowCapture() = default;
    BrowserWindowCapture(const BrowserWindowCapture&) = delete;
    BrowserWindowCapture& operator=(const BrowserWindowCapture&) = delete;
    ~BrowserWindowCapture();

    // Lists the open browser windows again; true when there is at least one.
    // Windows without an HTML document (folder windows) are left out.
    bool capture();

    std::size_t count() const { return entries_.size(); }
    const std::string& title(std::size_t index) const { return entries_[index].first; }
    const std::string& url(std::size_t index) const { return entries_[index].second; }

private:
    IShellWindows* windows_ = nullptr;  // made by the first capture, kept until the end
    std::vector<std::pair<std::string, std::string>> entries_;
};
