// A complete, small DAE folder for the tests of the steps before the writers:
// every code list, profesorado.txt and a template file, each with one record
// unless a test writes its own.
#pragma once

#include "dae_to_tablorix/catalogue_files.h"
#include "tests/dae_to_tablorix/writers_fixture.h"

#include <string>

namespace tv::test {

class DaeFolderTest : public WritersTest {
  protected:
    // One record per code list, whose every field reads "x" (the task type "L").
    void WriteCodeLists() {
        for (const auto& catalogue : dae_to_tablorix::CatalogueFiles()) {
            DaeRecord record(catalogue.recordLength);
            for (const auto& field : catalogue.fields)
                if (field.position != 0) record.Put(field.position, "x");
            if (catalogue.table == "daeTIPTAR") record.Put(1, "L");
            WriteDaeFile(std::string(catalogue.fileName), record.str());
        }
    }

    void WriteTeacherFile(const std::string& head = "PR1012345"
                                                    "2025") {
        WriteDaeFile("profesorado.txt", head);
    }

    static std::string TemplateHead(const std::string& code, const std::string& name) {
        return DaeRecord(59).Put(1, "1").Put(2, code).Put(10, name).str();
    }

    void WriteFolder() {
        WriteCodeLists();
        WriteTeacherFile();
        WriteDaeFile("PLANTILLAS.txt", TemplateHead("ORD", "Ordinaria") + "201108:3009:250");
    }
};

} // namespace tv::test
