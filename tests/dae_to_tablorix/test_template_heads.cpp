// The walk over the template file that lists the templates for daePLANTILLAS.
#include "dae_to_tablorix/template_heads.h"
#include "tests/dae_to_tablorix/writers_fixture.h"

namespace tv::test {
namespace {

using dae_to_tablorix::ListTemplateHeads;

std::string Head(const std::string& code, const std::string& name) {
    return DaeRecord(59).Put(1, "1").Put(2, code).Put(10, name).str();
}

std::string Hours(int count) {
    std::string hours;
    for (int i = 1; i <= count; ++i)
        hours += "20" + std::to_string(i) + "108:3009:250";
    return hours;
}

std::vector<std::string> Codes(std::string_view line) {
    std::vector<std::string> codes;
    for (const auto& head : ListTemplateHeads(line))
        codes.push_back(head.code + "|" + head.name);
    return codes;
}

TEST(ListTemplateHeads, FindsEachHeadAfterTheHourLinesOfThePreviousOne) {
    const std::string ord = Head("ORD", "Ordinaria");
    const std::string jun = Head("JUN", "Junio");
    const std::string ordAsRead = "ORD     |Ordinaria" + std::string(41, ' ');
    const std::string junAsRead = "JUN     |Junio" + std::string(45, ' ');
    struct Case {
        const char* what;
        std::string line;
        std::vector<std::string> codes;
    };
    const Case cases[] = {
        {"empty line", "", {}},
        {"two templates of 3 and 2 hour lines", ord + Hours(3) + jun + Hours(2), {ordAsRead, junAsRead}},
        {"a template without hour lines", ord + jun + Hours(1), {ordAsRead, junAsRead}},
        {"the last template without hour lines", ord + Hours(2) + jun, {ordAsRead, junAsRead}},
        {"59 characters that are no head are passed over",
         std::string(59, '9') + ord + Hours(1),
         {ordAsRead}},
        {"a head cut short", ord + Hours(1) + "1JUN", {ordAsRead, "JUN|"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Codes(c.line), c.codes) << c.what;
}

TEST(ListTemplateHeads, CodesKeepTheirBlanksAsRead) {
    const auto heads = ListTemplateHeads(Head(" A 1", "N"));
    ASSERT_EQ(heads.size(), 1u);
    EXPECT_EQ(heads[0].code, " A 1    ");
}

} // namespace
} // namespace tv::test
