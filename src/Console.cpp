// SPDX-FileCopyrightText: 2026 Hanzi Kitten developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Console.h"

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#endif

namespace {

#ifdef _WIN32
// Whether stream leads anywhere: a console, a file or a pipe.
bool reachesSomeone(std::FILE *stream)
{
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    return handle != INVALID_HANDLE_VALUE && handle != nullptr &&
           GetFileType(handle) != FILE_TYPE_UNKNOWN;
}
#endif

} // namespace

void Console::print(std::FILE *stream, const QString &text)
{
#ifdef _WIN32
    if (!reachesSomeone(stream)) {
        const UINT icon = stream == stderr ? MB_ICONWARNING : MB_ICONINFORMATION;
        MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(text.trimmed().utf16()),
                    L"小猫学汉字", MB_OK | icon);
        return;
    }
#endif
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
}
