// Writes the stored table of random cases.
//
//   napsheen_make_random_cases OUTPUT
#include <cstdio>
#include <sstream>

#include "random_case_table.h"
#include "replace_file.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
        return 2;
    }
    std::ostringstream text;
    napsheen_test::write_random_case_table(text);
    if (!napsheen_test::replace_file(argv[1], text.str())) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("wrote %d random cases to %s\n", napsheen_test::kRandomTableRows, argv[1]);
    return 0;
}
