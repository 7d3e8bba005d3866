#pragma once

#include <string>
#include <sys/stat.h>

namespace zorind::elastic {

// What a path that is not a regular file is, for the refusal of a data or
// result path.
inline std::string notARegularFile(const struct stat& st)
{
    if (S_ISDIR(st.st_mode)) {
        return "to jest katalog";
    }
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode)) {
        return "to jest plik urządzenia";
    }
    if (S_ISFIFO(st.st_mode)) {
        return "to jest potok";
    }
    if (S_ISSOCK(st.st_mode)) {
        return "to jest gniazdo";
    }
    return "to nie jest zwykły plik";
}

} // namespace zorind::elastic
