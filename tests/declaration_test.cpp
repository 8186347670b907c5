// The scene-language declaration lays the record out as the library reads it.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "record_fields.h"

namespace napsheen_test {
namespace {

struct DeclaredParameter {
    std::string kind, name;
    bool operator==(const DeclaredParameter& o) const { return kind == o.kind && name == o.name; }
};

std::ostream& operator<<(std::ostream& out, const DeclaredParameter& p) { return out << p.kind << " \"" << p.name << '"'; }

// What the declaration must say: one parameter per field, except that the
// host lays an array out as three fields (offset, count, storage).
std::vector<DeclaredParameter> parameters_of_the_record()
{
    std::vector<DeclaredParameter> expected;
    for (const RecordField& field : kRecordFields) {
        switch (field.kind) {
        case FieldKind::color: expected.push_back({"color", field.name}); break;
        case FieldKind::scalar: expected.push_back({"scalar", field.name}); break;
        case FieldKind::integer: expected.push_back({"integer", field.name}); break;
        case FieldKind::light_array:
            expected.resize(expected.size() - 2); // light_offset and light_count
            expected.push_back({"array light", field.name});
            break;
        }
    }
    return expected;
}

std::string without_comments(std::istream& in)
{
    std::string text, line;
    while (std::getline(in, line))
        text += line.substr(0, line.find('#')) + '\n';
    return text;
}

TEST(Declaration, DeclaresTheRecordInOrder)
{
    std::ifstream in(NAPSHEEN_DECLARATION);
    ASSERT_TRUE(in) << NAPSHEEN_DECLARATION;
    const std::string text = without_comments(in);

    const std::regex shape(R"(^\s*declare\s+shader\s+color\s+"napSheen"\s*\(([^)]*)\)\s*version\s+2\s+apply\s+material\s+end\s+declare\s*$)");
    std::smatch match;
    ASSERT_TRUE(std::regex_match(text, match, shape)) << "not a declaration of napSheen version 2:\n" << text;

    std::vector<DeclaredParameter> declared;
    const std::regex parameter(R"re(\s*(color|scalar|integer|array\s+light)\s+"(\w+)"\s*(,|$))re");
    std::string list = match[1];
    for (std::smatch p; std::regex_search(list, p, parameter, std::regex_constants::match_continuous);
         list = p.suffix()) {
        std::string kind = std::regex_replace(p[1].str(), std::regex(R"(\s+)"), " ");
        declared.push_back({kind, p[2]});
    }
    EXPECT_TRUE(std::regex_match(list, std::regex(R"(\s*)"))) << "unreadable parameter: " << list;
    EXPECT_EQ(declared, parameters_of_the_record());
}

} // namespace
} // namespace napsheen_test
