// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Console.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>

void Console::print(std::FILE *stream, const QString &text)
{
    std::fflush(stream);
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    DWORD written = 0;
    if (handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode)) {
        // A console shows every character as it is, whatever its code page.
        WriteConsoleW(handle, text.utf16(), DWORD(text.size()), &written, nullptr);
    } else if (handle != INVALID_HANDLE_VALUE && handle != nullptr &&
               GetFileType(handle) != FILE_TYPE_UNKNOWN) {
        // Files and pipes get UTF-8, which keeps the Chinese whatever the system's code page.
        std::fputs(text.toUtf8().constData(), stream);
        std::fflush(stream);
    } else {
        const UINT icon = stream == stderr ? MB_ICONWARNING : MB_ICONINFORMATION;
        MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(text.trimmed().utf16()),
                    L"小猫学汉字", MB_OK | icon);
    }
}
#else
void Console::print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}
#endif
