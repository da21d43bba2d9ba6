#include "core/scoring/data_skor.h"

#include "core/document/xml_fields.h"
#include "core/text/number_text.h"
#include "core/text/text_helpers.h"

namespace taviro {

void TItemSkor::SaveToXML(XmlWriter& out) const {
    out.Open("Subyek");
    out.Element("Nama", Nama);
    out.Element("NoSubyek", NoSubyek);
    out.Element("SkorButir", SkorButir);
    out.RealElement("SkorAkhir", SkorAkhir);
    out.RealElement("SkorDibobot", SkorDibobot);
    out.Element("UrutanAwal", UrutanAwal);
    out.Element("JumBetul", JumBetul);
    out.Element("JumSalah", JumSalah);
    out.Element("JumBlank", JumBlank);
    out.Close("Subyek");
}

void TItemSkor::LoadFromXML(pugi::xml_node subyek) {
    Nama = ReadTextChild(subyek, "Nama");
    NoSubyek = ReadTextChild(subyek, "NoSubyek");
    if (NoSubyek.empty()) {
        NoSubyek = IntToText(Index + 1);
    }
    SkorButir = ReadTextChild(subyek, "SkorButir");
    SkorAkhir = ReadRealChild(subyek, "SkorAkhir");
    SkorDibobot = ReadRealChild(subyek, "SkorDibobot");
    UrutanAwal = ReadIntChild(subyek, "UrutanAwal");
    JumBetul = ReadIntChild(subyek, "JumBetul");
    JumSalah = ReadIntChild(subyek, "JumSalah");
    JumBlank = ReadIntChild(subyek, "JumBlank");
}

TDataSkor::TDataSkor(AnalyzerKind kind) : Kind(kind) {
    Priority = 1;
    Clear();
}

void TDataSkor::Clear() {
    Items.clear();
    Rata2 = 0;
    SD = 0;
    IsUrutkanBerdSkor = false;
    JumButir = 0;
    BobotBetul = 1;
    BobotSalah = 0;
    NoButir.clear();
}

void TDataSkor::SaveToXML(XmlWriter& out) {
    out.Open("Data_Skor");
    out.RealElement("Rata2", Rata2);
    out.RealElement("SD", SD);
    out.BoolElement("IsUrutkanBerdSkor", IsUrutkanBerdSkor);
    out.Element("JumButir", JumButir);
    out.Element("BobotBetul", BobotBetul);
    out.Element("BobotSalah", BobotSalah);
    out.Element("Kunci", Kunci);
    if (Kind == AnalyzerKind::Uraian) {
        out.Element("MaxSkor", JoinFloats(MaxSkor, ','));
        out.Element("MinSkor", JoinFloats(MinSkor, ','));
    }
    out.Open("NoButir");
    for (int i = 0; i < JumButir; ++i) {
        const auto index = static_cast<std::size_t>(i);
        out.Element("NOBTR", index < NoButir.size() ? NoButir[index] : IntToText(i + 1));
    }
    out.Close("NoButir");
    out.Open("Skor");
    out.Element("JumItem", Count());
    for (const TItemSkor& item : Items) {
        item.SaveToXML(out);
    }
    out.Close("Skor");
    out.Close("Data_Skor");
}

void TDataSkor::LoadLabels(pugi::xml_node data, const std::string& fileVersion) {
    // Multiple choice: 4.0.2 stores the labels, 4.0.1 numbered its items 1..n, older documents
    // have none. Essay documents always store them.
    if (Kind == AnalyzerKind::Uraian || fileVersion == "4.0.2") {
        for (const pugi::xml_node label : RepeatedElements(data.child("NoButir"), "NOBTR",
                                                           JumButir, data.child("JumButir"))) {
            NoButir.emplace_back(label.text().get());
        }
    } else if (fileVersion == "4.0.1") {
        for (int i = 1; i <= JumButir; ++i) {
            NoButir.push_back(IntToText(i));
        }
    }
}

void TDataSkor::LoadFromXML(pugi::xml_node root, const std::string& fileVersion) {
    Clear();
    const pugi::xml_node data = RequireChild(root, "Data_Skor");
    Rata2 = ReadRealChild(data, "Rata2");
    SD = ReadRealChild(data, "SD");
    IsUrutkanBerdSkor = ReadBoolChild(data, "IsUrutkanBerdSkor");
    const bool labelled = Kind == AnalyzerKind::Uraian || fileVersion == "4.0.2";
    JumButir = ReadCountChild(data, "JumButir", labelled ? -1 : MaxUnlabelledItems);
    BobotBetul = ReadIntChild(data, "BobotBetul");
    BobotSalah = ReadIntChild(data, "BobotSalah");
    Kunci = ReadTextChild(data, "Kunci");
    if (Kind == AnalyzerKind::Uraian && fileVersion == "2.0.1") {
        MaxSkor = ReadRealListChild(data, "MaxSkor");
        MinSkor = ReadRealListChild(data, "MinSkor");
    }
    LoadLabels(data, fileVersion);

    const pugi::xml_node skor = RequireChild(data, "Skor");
    const int count = ReadCountChild(skor, "JumItem");
    const std::vector<pugi::xml_node> subjects =
        RepeatedElements(skor, "Subyek", count, skor.child("JumItem"));
    Items.resize(subjects.size());
    for (std::size_t i = 0; i < subjects.size(); ++i) {
        Items[i].Index = static_cast<int>(i);
        Items[i].LoadFromXML(subjects[i]);
    }
}

std::unique_ptr<TData> TDataSkor::CreateForLoad() const {
    auto fresh = std::make_unique<TDataSkor>(Kind);
    fresh->MaxSkor = MaxSkor;
    fresh->MinSkor = MinSkor;
    fresh->Kunci = Kunci;
    return fresh;
}

void TDataSkor::TakeLoaded(TData& loaded) { *this = std::move(static_cast<TDataSkor&>(loaded)); }

} // namespace taviro
