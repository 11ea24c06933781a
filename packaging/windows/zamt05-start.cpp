// zamt05-start: what the Start-menu entry runs on Windows. It starts
// zamt05.exe, which lies beside it, in the user's working folder
// Documents\zamt05: made on the first start, with the default report project
// Project1.rpj and the help file helpZ.hlp copied in from beside the program
// when they are missing, so that copies the user changed stay as they are.
// The arguments are handed on; file names relative to the folder it was
// started in are made absolute first, so that they still name the same files
// in the working folder. What goes wrong is shown in a message box.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>
#include <string>
#include <vector>

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

std::wstring absolute(const std::wstring& name) {
    if (name.empty())
        return name;
    const DWORD size = GetFullPathNameW(name.c_str(), 0, nullptr, nullptr);
    std::wstring path(size, L'\0');
    const DWORD length = GetFullPathNameW(name.c_str(), size, path.data(), nullptr);
    if (length == 0 || length >= size)
        return name;
    path.resize(length);
    return path;
}

bool startsWith(const std::wstring& text, const wchar_t* start) {
    return text.rfind(start, 0) == 0;
}

// The same rule as the Linux launcher: options pass as they are, and so do
// the names after --printer and --format; file names, also those of
// --to=OUT and --project=PATH, are made absolute. After "--" every argument
// is a file name.
std::vector<std::wstring> withAbsoluteNames(const std::vector<std::wstring>& arguments) {
    std::vector<std::wstring> result;
    bool filesOnly = false, nameFollows = false;
    for (std::wstring argument : arguments) {
        if (nameFollows) {
            nameFollows = false;
        } else if (!filesOnly && argument == L"--") {
            filesOnly = true;
        } else if (filesOnly) {
            argument = absolute(argument);
        } else if (argument == L"--printer" || argument == L"-printer" || argument == L"--format" ||
                   argument == L"-format") {
            nameFollows = true;
        } else if (startsWith(argument, L"-")) {
            for (const wchar_t* option : {L"--to=", L"-to=", L"--project=", L"-project="}) {
                const std::wstring start = option;
                if (startsWith(argument, option) && argument.size() > start.size()) {
                    argument = start + absolute(argument.substr(start.size()));
                    break;
                }
            }
        } else {
            argument = absolute(argument);
        }
        result.push_back(argument);
    }
    return result;
}

// One argument as CommandLineToArgvW and the C run-time read it back.
std::wstring quoted(const std::wstring& argument) {
    std::wstring text = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        text.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        text += c;
    }
    text.append(2 * backslashes, L'\\');
    return text + L"\"";
}

std::vector<std::wstring> ownArguments() {
    int count = 0;
    wchar_t** list = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> arguments;
    for (int i = 1; list != nullptr && i < count; ++i)
        arguments.emplace_back(list[i]);
    LocalFree(list);
    return arguments;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const std::vector<std::wstring> arguments = withAbsoluteNames(ownArguments());
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
    for (const std::wstring& argument : arguments)
        line += L" " + quoted(argument);
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
