#include "platform/PrivateFile.h"

#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

#include "common/WindowsText.h"

namespace kv {

namespace {

// Full control for the owner alone, inherited from nowhere.
constexpr const wchar_t* kOwnerOnly = L"D:P(A;;FA;;;OW)";

}  // namespace

std::expected<void, std::string> CreatePrivateFile(const std::string& path, const std::string& bytes) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!::ConvertStringSecurityDescriptorToSecurityDescriptorW(kOwnerOnly, SDDL_REVISION_1, &descriptor, nullptr))
        return std::unexpected(win::LastErrorText());
    SECURITY_ATTRIBUTES security{sizeof security, descriptor, FALSE};
    const std::wstring wide = win::Wide(path);
    // Made with the owner's access only from the start: never readable by others for a moment.
    const HANDLE file = ::CreateFileW(wide.c_str(), GENERIC_WRITE, 0, &security, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ::LocalFree(descriptor);
    if (file == INVALID_HANDLE_VALUE) return std::unexpected(win::LastErrorText());
    DWORD written = 0, error = 0;
    if (!::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) || written != bytes.size() ||
        !::FlushFileBuffers(file))
        error = ::GetLastError();
    ::CloseHandle(file);
    if (error) {
        ::DeleteFileW(wide.c_str());
        return std::unexpected(win::ErrorText(error));
    }
    return {};
}

// Whether anyone besides the owner, SYSTEM and the administrators is allowed to read it.
bool ReadableByOthers(const std::string& path) {
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    PSID owner = nullptr;
    if (::GetNamedSecurityInfoW(win::Wide(path).c_str(), SE_FILE_OBJECT,
                                OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &owner, nullptr, &dacl,
                                nullptr, &descriptor) != ERROR_SUCCESS)
        return false;
    bool others = dacl == nullptr;  // no list at all: everyone
    for (DWORD i = 0; dacl && i < dacl->AceCount && !others; ++i) {
        ACE_HEADER* ace = nullptr;
        if (!::GetAce(dacl, i, reinterpret_cast<void**>(&ace)) || ace->AceType != ACCESS_ALLOWED_ACE_TYPE) continue;
        auto* allowed = reinterpret_cast<ACCESS_ALLOWED_ACE*>(ace);
        PSID sid = &allowed->SidStart;
        if (!(allowed->Mask & (FILE_READ_DATA | GENERIC_READ | GENERIC_ALL))) continue;
        if (::EqualSid(sid, owner) || ::IsWellKnownSid(sid, WinLocalSystemSid) ||
            ::IsWellKnownSid(sid, WinBuiltinAdministratorsSid) || ::IsWellKnownSid(sid, WinCreatorOwnerSid))
            continue;
        others = true;
    }
    ::LocalFree(descriptor);
    return others;
}

}  // namespace kv
