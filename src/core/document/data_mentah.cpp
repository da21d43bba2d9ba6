#include "core/document/data_mentah.h"

#include "core/document/xml_fields.h"
#include "core/text/number_text.h"

namespace taviro {

void TJawaban::SaveToXML(XmlWriter& out) const {
    out.Open("Subyek");
    out.Element("Nama", Nama);
    out.Element("NoSubyek", NoSubyek);
    out.Element("Jwb", Jwb);
    out.Close("Subyek");
}

void TJawaban::LoadFromXML(pugi::xml_node subyek, bool readNoSubyek) {
    Nama = ReadTextChild(subyek, "Nama");
    Jwb = ReadTextChild(subyek, "Jwb");
    if (readNoSubyek) {
        NoSubyek = ReadTextChild(subyek, "NoSubyek");
    }
}

TDataMentah::TDataMentah(AnalyzerKind kind) : Kind(kind) { Clear(); }

void TDataMentah::Clear() {
    Jawaban.clear();
    NoButir.clear();
    Kunci.clear();
    IsNeedRecalc = true;
}

int TDataMentah::AddJawaban(TJawaban jawaban) {
    Jawaban.push_back(std::move(jawaban));
    return JawabanCount() - 1;
}

bool TDataMentah::ReadsLabels(const std::string& fileVersion) const {
    return Kind == AnalyzerKind::Uraian || fileVersion == "4.0.2";
}

void TDataMentah::SaveToXML(XmlWriter& out) {
    out.Open("Data_Mentah");
    out.Element("Kunci", Kunci);
    out.Element("JumSubyek", JumSubyek);
    out.Element("JumButir", JumButir);
    out.Element("JumPilihan", JumPilihan);
    out.BoolElement("IsNeedRecalc", IsNeedRecalc);

    out.Open("NoButir");
    for (int i = 0; i < JumButir; ++i) {
        const auto index = static_cast<std::size_t>(i);
        out.Element("NOBTR", index < NoButir.size() ? NoButir[index] : IntToText(i + 1));
    }
    out.Close("NoButir");

    out.Open("Jawaban");
    out.Element("JumItem", JawabanCount());
    for (std::size_t i = 0; i < Jawaban.size(); ++i) {
        if (Jawaban[i].NoSubyek == "-1") {
            Jawaban[i].NoSubyek = IntToText(static_cast<long long>(i) + 1);
        }
        Jawaban[i].SaveToXML(out);
    }
    out.Close("Jawaban");
    out.Close("Data_Mentah");
}

void TDataMentah::LoadFromXML(pugi::xml_node root, const std::string& fileVersion) {
    Clear();
    const pugi::xml_node data = RequireChild(root, "Data_Mentah");
    Kunci = ReadTextChild(data, "Kunci");
    JumSubyek = ReadCountChild(data, "JumSubyek");
    JumButir = ReadCountChild(data, "JumButir",
                              ReadsLabels(fileVersion) ? -1 : MaxUnlabelledItems);
    JumPilihan = ReadIntChild(data, "JumPilihan");
    IsNeedRecalc = ReadBoolChild(data, "IsNeedRecalc");

    if (ReadsLabels(fileVersion) && JumButir != 0) {
        const pugi::xml_node noButir = data.child("NoButir");
        for (const pugi::xml_node label :
             RepeatedElements(noButir, "NOBTR", JumButir, data.child("JumButir"))) {
            NoButir.emplace_back(label.text().get());
        }
    }

    const pugi::xml_node jawaban = RequireChild(data, "Jawaban");
    const int count = ReadCountChild(jawaban, "JumItem");
    const std::vector<pugi::xml_node> subjects =
        RepeatedElements(jawaban, "Subyek", count, jawaban.child("JumItem"));
    Jawaban.resize(subjects.size());
    for (std::size_t i = 0; i < subjects.size(); ++i) {
        Jawaban[i].LoadFromXML(subjects[i], ReadsLabels(fileVersion));
    }
    IsChanged = false;
}

std::unique_ptr<TData> TDataMentah::CreateForLoad() const {
    auto fresh = std::make_unique<TDataMentah>(Kind);
    // Counts missing from a file stop the load, so nothing else needs carrying over.
    fresh->Priority = Priority;
    return fresh;
}

void TDataMentah::TakeLoaded(TData& loaded) {
    *this = std::move(static_cast<TDataMentah&>(loaded));
}

} // namespace taviro
