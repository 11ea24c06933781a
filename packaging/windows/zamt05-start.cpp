// zamt05-start: what the Start-menu entry runs on Windows. It starts
// zamt05.exe, which lies beside it, in the user's working folder
// Documents\zamt05: made on the first start, with the default report project
// Project1.rpj and the help file helpZ.hlp copied in from beside the program
// when they are missing, so that copies the user changed stay as they are.
// The arguments are handed on. What goes wrong is shown in a message box.
#include <windows.h>
#include <shlobj.h>
#include <string>

namespace {

constexpr const wchar_t* kTitle = L"zamt05";

int refuse(const std::wstring& text) {
    MessageBoxW(nullptr, text.c_str(), kTitle, MB_OK | MB_ICONERROR);
    return 1;
}

std::wstring ownFolder() {
    std::wstring path(32768, L'\0');
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
    path.resize(length);
    return path.substr(0, path.find_last_of(L'\\'));
}

std::wstring documentsFolder() {
    wchar_t* path = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, &path)))
        folder = path;
    CoTaskMemFree(path);
    return folder;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int) {
    const std::wstring documents = documentsFolder();
    if (documents.empty())
        return refuse(L"The Documents folder cannot be found.");
    const std::wstring work = documents + L"\\zamt05";
    if (!CreateDirectoryW(work.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        return refuse(L"Cannot create the folder " + work + L".");
    const DWORD attributes = GetFileAttributesW(work.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return refuse(work + L" is not a folder.");
    const std::wstring program = ownFolder();
    for (const wchar_t* name : {L"Project1.rpj", L"helpZ.hlp"}) {
        const std::wstring target = work + L"\\" + name;
        if (GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES)
            continue;
        if (!CopyFileW((program + L"\\" + name).c_str(), target.c_str(), TRUE))
            return refuse(L"Cannot copy " + std::wstring(name) + L" into " + work + L".");
    }
    std::wstring line = L"\"" + program + L"\\zamt05.exe\"";
    if (arguments != nullptr && *arguments != L'\0')
        line += L" " + std::wstring(arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, work.c_str(),
                        &startup, &process))
        return refuse(L"Cannot start " + program + L"\\zamt05.exe.");
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return 0;
}
