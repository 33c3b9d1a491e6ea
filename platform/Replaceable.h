#pragma once
// A process-wide service that tests may replace, and the guard that replaces it for a scope.
// Every service has one verb, Replace<Service>(service), which installs service (nullptr
// restores the flavour's own) and returns the one it replaces.
#include <type_traits>
#include <utility>

namespace pk::platform {

template <class Service>
class TReplaceable {
public:
    // The one installed, or nullptr.
    Service* Installed() const { return installed; }
    Service& Get(Service& (*flavoursOwn)()) const { return installed ? *installed : flavoursOwn(); }
    Service* Replace(Service* service) { return std::exchange(installed, service); }

private:
    Service* installed = nullptr;
};

// Installs a service for its lifetime and puts back the one it replaced, on every way out.
template <class Service>
class TInstalled {
public:
    TInstalled(Service* (*replace)(Service*), std::type_identity_t<Service>& service)
        : replace(replace), previous(replace(&service))
    {
    }
    ~TInstalled() { replace(previous); }
    TInstalled(const TInstalled&) = delete;
    TInstalled& operator=(const TInstalled&) = delete;

private:
    Service* (*replace)(Service*);
    Service* previous;
};

}  // namespace pk::platform
