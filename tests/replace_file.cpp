#include "replace_file.h"

#include <cstdio>
#include <fstream>

namespace napsheen_test {

bool replace_file(const std::string& path, const std::string& text)
{
    const std::string temporary = path + ".tmp";
    bool written = false;
    {
        std::ofstream out(temporary, std::ios::binary);
        out << text;
        written = static_cast<bool>(out.flush());
    }
    if (written && std::rename(temporary.c_str(), path.c_str()) == 0)
        return true;
    std::remove(temporary.c_str());
    return false;
}

} // namespace napsheen_test
