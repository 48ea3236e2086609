#include "simdriver/setup/DriverService.h"

#include "simdriver/control/SimControlClient.h"
#include "simdriver/setup/SetupConstants.h"

#include <windows.h>

namespace {

constexpr DWORD kPollMilliseconds = 100;
constexpr DWORD kPatienceMilliseconds = 15000;

class ServiceHandle {
public:
    explicit ServiceHandle(SC_HANDLE handle) : m_handle(handle) {}
    ~ServiceHandle() {
        if (m_handle) {
            CloseServiceHandle(m_handle);
        }
    }
    ServiceHandle(const ServiceHandle&) = delete;
    ServiceHandle& operator=(const ServiceHandle&) = delete;
    SC_HANDLE get() const { return m_handle; }

private:
    SC_HANDLE m_handle;
};

// Polls until done() holds or patience runs out.
template <typename Done> bool WaitUntil(Done done) {
    for (DWORD waited = 0;; waited += kPollMilliseconds) {
        if (done()) {
            return true;
        }
        if (waited >= kPatienceMilliseconds) {
            return false;
        }
        Sleep(kPollMilliseconds);
    }
}

bool InState(SC_HANDLE service, DWORD state) {
    SERVICE_STATUS status{};
    return QueryServiceStatus(service, &status) && status.dwCurrentState == state;
}

// Stops and deletes the service when it exists.
bool StopAndDelete(SC_HANDLE manager, SetupError& error) {
    ServiceHandle service(OpenServiceW(manager, kServiceName, SERVICE_ALL_ACCESS));
    if (!service.get()) {
        const DWORD code = GetLastError();
        return code == ERROR_SERVICE_DOES_NOT_EXIST ||
               error.Set(L"cannot open the service tx90sim", code);
    }
    SERVICE_STATUS status{};
    if (!InState(service.get(), SERVICE_STOPPED)) {
        ControlService(service.get(), SERVICE_CONTROL_STOP, &status);
        if (!WaitUntil([&] { return InState(service.get(), SERVICE_STOPPED); })) {
            return error.Set(L"the service tx90sim does not stop", GetLastError());
        }
    }
    if (!DeleteService(service.get()) && GetLastError() != ERROR_SERVICE_MARKED_FOR_DELETE) {
        return error.Set(L"cannot delete the service tx90sim", GetLastError());
    }
    return true;
}

SC_HANDLE CreateDriverService(SC_HANDLE manager, const std::wstring& image) {
    return CreateServiceW(manager, kServiceName, kServiceDisplayName, SERVICE_ALL_ACCESS,
                          SERVICE_KERNEL_DRIVER, SERVICE_AUTO_START, SERVICE_ERROR_NORMAL,
                          image.c_str(), nullptr, nullptr, nullptr, nullptr, nullptr);
}

bool CreateAndStart(SC_HANDLE manager, const std::wstring& image, SetupError& error) {
    SC_HANDLE created = nullptr;
    // A service deleted a moment ago may linger until the manager lets go of it.
    WaitUntil([&] {
        created = CreateDriverService(manager, image);
        return created != nullptr || GetLastError() != ERROR_SERVICE_MARKED_FOR_DELETE;
    });
    ServiceHandle service(created);
    if (!service.get()) {
        return error.Set(L"cannot create the service tx90sim", GetLastError());
    }
    DWORD startError = ERROR_SUCCESS;
    // Right after a prefix is created the service manager restarts once and is locked.
    WaitUntil([&] {
        startError = StartServiceW(service.get(), 0, nullptr) ? ERROR_SUCCESS : GetLastError();
        return startError != ERROR_SERVICE_DATABASE_LOCKED;
    });
    if (startError != ERROR_SUCCESS && startError != ERROR_SERVICE_ALREADY_RUNNING) {
        return error.Set(L"cannot start the service tx90sim", startError);
    }
    const SimControlClient driver;
    if (!WaitUntil([&] { return driver.IsReachable(); })) {
        return error.Set(L"the driver was started but does not answer", GetLastError());
    }
    return true;
}

} // namespace

std::wstring DriverService::InstalledImage() {
    wchar_t system[MAX_PATH] = {};
    const UINT length = GetSystemDirectoryW(system, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return {};
    }
    return std::wstring(system) + L"\\drivers\\" + kDriverFileName;
}

namespace {

// Opens the service manager, removes any installed service, then runs next(manager).
template <typename Next> bool WithServiceRemoved(SetupError& error, Next next) {
    ServiceHandle manager(OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
    if (!manager.get()) {
        return error.Set(L"cannot open the service manager", GetLastError());
    }
    return StopAndDelete(manager.get(), error) && next(manager.get());
}

} // namespace

bool DriverService::Install(const std::wstring& sourceImage, SetupError& error) {
    return WithServiceRemoved(error, [&](SC_HANDLE manager) {
        const std::wstring image = InstalledImage();
        if (image.empty() || !CopyFileW(sourceImage.c_str(), image.c_str(), FALSE)) {
            return error.Set(L"cannot copy " + sourceImage + L" to the drivers folder",
                             GetLastError());
        }
        return CreateAndStart(manager, image, error);
    });
}

bool DriverService::Remove(SetupError& error) {
    return WithServiceRemoved(error, [&](SC_HANDLE) {
        const std::wstring image = InstalledImage();
        if (!DeleteFileW(image.c_str()) && GetLastError() != ERROR_FILE_NOT_FOUND) {
            return error.Set(L"cannot delete " + image, GetLastError());
        }
        return true;
    });
}
