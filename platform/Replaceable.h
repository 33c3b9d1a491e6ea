#pragma once
// A process-wide service that tests may replace: the one installed, else the flavour's own.
#include <utility>

namespace pk::platform {

template <class Service>
class TReplaceable {
public:
    Service& Get(Service& (*flavoursOwn)()) const { return installed ? *installed : flavoursOwn(); }
    // Installs a service (nullptr restores the flavour's own) and returns the one it replaces.
    Service* Replace(Service* service) { return std::exchange(installed, service); }

private:
    Service* installed = nullptr;
};

}  // namespace pk::platform
