// Prints the client size of a visible top-level window, found by its exact
// title, as WIDTHxHEIGHT: for the Windows tests to check the game's windows.
//
//   client_size_probe TITLE [SECONDS]
//
// Waits up to SECONDS (default 10) for the window to appear. Exit status:
// 0 found, 1 not found in time, 2 wrong arguments.
//
//   x86_64-w64-mingw32-g++-posix -municode -static -O2 client_size_probe.cpp
//       -o client_size_probe.exe
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

struct Search {
    const wchar_t* title;
    HWND found;
};

// FindWindowW compares titles without regard to case; this wants the exact
// one, and a shown window only, not one Qt has made but not yet shown.
BOOL CALLBACK matchTitle(HWND window, LPARAM param)
{
    auto* search = reinterpret_cast<Search*>(param);
    if (!IsWindowVisible(window))
        return TRUE;
    const int length = GetWindowTextLengthW(window);
    std::wstring title(static_cast<size_t>(length) + 1, L'\0');
    title.resize(static_cast<size_t>(GetWindowTextW(window, title.data(), length + 1)));
    if (title != search->title)
        return TRUE;
    search->found = window;
    return FALSE;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    wchar_t* end = nullptr;
    const double seconds = argc == 3 ? std::wcstod(argv[2], &end) : 10.0;
    if (argc < 2 || argc > 3 || (argc == 3 && (*end != L'\0' || !(seconds >= 0)))) {
        std::fputs("usage: client_size_probe TITLE [SECONDS]\n", stderr);
        return 2;
    }
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000);
    for (;;) {
        Search search{argv[1], nullptr};
        EnumWindows(matchTitle, reinterpret_cast<LPARAM>(&search));
        RECT client;
        if (search.found && GetClientRect(search.found, &client)) {
            std::printf("%ldx%ld\n", client.right - client.left, client.bottom - client.top);
            return 0;
        }
        if (GetTickCount64() >= deadline)
            break;
        Sleep(100);
    }
    std::fprintf(stderr, "client_size_probe: no window of that title within %g s\n", seconds);
    return 1;
}
