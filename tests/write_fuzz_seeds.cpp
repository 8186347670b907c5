// Writes every row of a case table as a fuzzer input, one file per row named
// after it, so that fuzzing starts from the calls the table already covers.
//
//   napsheen_fuzz_seeds TABLE DIR
#include <cstddef>
#include <cstdio>
#include <exception>
#include <fstream>
#include <string>

#include "case_table.h"
#include "fuzz_input.h"

using namespace napsheen_test;

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s TABLE DIR\n", argv[0]);
        return 2;
    }
    try {
        const std::vector<ShadingCase> cases = load_case_table(argv[1]);
        // Every row is encoded before the first file is written: a row the
        // format cannot hold leaves the folder as it was.
        std::vector<std::vector<uint8_t>> seeds;
        seeds.reserve(cases.size());
        for (const ShadingCase& c : cases)
            seeds.push_back(bytes_from_case(c));
        for (std::size_t row = 0; row < cases.size(); ++row) {
            const std::vector<uint8_t>& bytes = seeds[row];
            const std::string path = std::string(argv[2]) + "/" + cases[row].name;
            std::ofstream out(path, std::ios::binary);
            out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
            if (!out.flush()) {
                std::fprintf(stderr, "cannot write %s\n", path.c_str());
                return 1;
            }
        }
        std::printf("%zu seeds written to %s\n", cases.size(), argv[2]);
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
