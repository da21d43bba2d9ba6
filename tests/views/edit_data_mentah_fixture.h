#pragma once

#include "core/session.h"
#include "support/fake_user_interface.h"
#include "views/edit_data_mentah.h"
#include "views/memo_cetak.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace taviro::test {

using Cells = std::vector<std::string>;

struct RawSubject {
    std::string Nama;
    std::string NoSubyek;
    std::string Jwb;
};

// An editor over a session of its own, with the document named "ujian" of the kind.
class EditorTest : public testing::Test {
protected:
    explicit EditorTest(AnalyzerKind kind = AnalyzerKind::PilihanGanda)
        : session(kind), editor(session, ui, preview) {
        session.Global().FileName =
            kind == AnalyzerKind::PilihanGanda ? "/data/ujian.tav" : "/data/ujian.tur";
        session.Global().FileVersion = kind == AnalyzerKind::PilihanGanda ? "4.0.2" : "2.0.1";
    }

    TDataMentah& Data() { return session.DataMentah(); }

    // The raw data as a document holds it.
    void Raw(const std::string& kunci, int items, int options,
             const std::vector<RawSubject>& subjects,
             const std::vector<std::string>& noButir = {}) {
        TDataMentah& data = Data();
        data.Clear();
        data.Kunci = kunci;
        data.JumButir = items;
        data.JumPilihan = options;
        data.JumSubyek = static_cast<int>(subjects.size());
        data.NoButir = noButir;
        for (const RawSubject& subject : subjects) {
            data.AddJawaban({subject.Nama, subject.NoSubyek, subject.Jwb});
        }
    }

    // The grid filled from the raw data, as after opening a document: nothing changed yet.
    void Open() {
        editor.LoadGridFromData();
        Data().IsChanged = false;
        Data().IsNeedRecalc = false;
    }

    // An empty grid of the size, as after a new document, with nothing changed yet.
    void Empty(int subjects, int items, int options = 4) {
        Data().Clear();
        Data().JumSubyek = subjects;
        Data().JumButir = items;
        Data().JumPilihan = options;
        editor.SetUpGrid();
        Data().IsChanged = false;
        Data().IsNeedRecalc = false;
    }

    std::string Cell(int col, int row) const { return std::string(editor.SG.Cell(row, col)); }

    Cells Row(int row, int firstCol = 0) const {
        Cells cells;
        for (int col = firstCol; col < editor.SG.ColCount(); ++col) {
            cells.emplace_back(editor.SG.Cell(row, col));
        }
        return cells;
    }

    // The column's cells in the subject rows.
    Cells Column(int col) const {
        Cells cells;
        for (int row = TFEditDatamEntah::FirstSubjectRow; row < editor.SG.RowCount(); ++row) {
            cells.emplace_back(editor.SG.Cell(row, col));
        }
        return cells;
    }

    void Click(int col, int row) { editor.SetCurrentCell({col, row}); }

    bool Changed() { return Data().IsChanged; }

    Session session;
    FakeUserInterface ui;
    TFMemoCetak preview;
    TFEditDatamEntah editor;
};

class EssayEditorTest : public EditorTest {
protected:
    EssayEditorTest() : EditorTest(AnalyzerKind::Uraian) {}
};

} // namespace taviro::test
