// The skin maker: writes our 56 skin files, 1.she to 56.she, into the folder
// it is given. The build runs it; the program carries what it writes.
#include <cstdio>
#include <fstream>
#include <string>

#include "skin/maker/skin_look.h"
#include "skin/maker/skin_schemes.h"
#include "skin/skin_format.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    int number = 0;
    for (const quintara::skin::ColourScheme& scheme : quintara::skin::colourSchemes()) {
        const std::string path = folder + "/" + std::to_string(++number) + ".she";
        const std::string bytes = quintara::skin::encodeSkin(quintara::skin::makeSkin(scheme));
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        if (!file.flush()) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
