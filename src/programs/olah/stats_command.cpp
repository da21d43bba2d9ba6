#include "programs/olah/stats_command.h"

#include "core/analysis/data_kesukaran.h"
#include "core/analysis/data_kesukaran_uraian.h"
#include "core/analysis/data_korelasi_butir.h"
#include "core/analysis/data_pembeda.h"
#include "core/analysis/data_pembeda_uraian.h"
#include "core/analysis/data_pengecoh.h"
#include "core/analysis/data_reliabilitas.h"
#include "core/analysis/data_unggul_asor.h"
#include "core/analysis/group_rule.h"
#include "core/taviro_error.h"

#include <functional>

#include <langinfo.h>
#include <locale.h>

namespace taviro {

namespace {

using Json = nlohmann::ordered_json;

// Clears and computes one analysis; its fields, or its error when it cannot be computed.
Json Analysis(TDataHitung& analysis, const std::function<void()>& compute,
              const std::function<Json()> describe) {
    analysis.Clear();
    try {
        compute();
    } catch (const TaviroError& error) {
        return Json{{"error", error.what()}};
    }
    return describe();
}

template <typename Object, typename Fill> Json ItemsOf(const Object& object, Fill fill) {
    Json items = Json::array();
    for (int i = 0; i < object.Count(); ++i) {
        Json item;
        fill(object.GetItem(i), item);
        items.push_back(std::move(item));
    }
    return items;
}

Json ScoresJson(const TDataSkor& skor) {
    Json json;
    json["Rata2"] = static_cast<double>(skor.Rata2);
    json["SD"] = static_cast<double>(skor.SD);
    json["IsUrutkanBerdSkor"] = skor.IsUrutkanBerdSkor;
    json["JumButir"] = skor.JumButir;
    json["BobotBetul"] = skor.BobotBetul;
    json["BobotSalah"] = skor.BobotSalah;
    json["NoButir"] = skor.NoButir;
    json["Kunci"] = skor.Kunci;
    if (skor.Kind == AnalyzerKind::Uraian) {
        json["MaxSkor"] = skor.MaxSkor;
        json["MinSkor"] = skor.MinSkor;
    }
    json["Items"] = ItemsOf(skor, [](const TItemSkor& item, Json& out) {
        out = {{"UrutanAwal", item.UrutanAwal}, {"NoSubyek", item.NoSubyek},
               {"Nama", item.Nama},             {"JumBetul", item.JumBetul},
               {"JumSalah", item.JumSalah},     {"JumBlank", item.JumBlank},
               {"SkorAkhir", item.SkorAkhir},   {"SkorDibobot", item.SkorDibobot},
               {"SkorButir", item.SkorButir}};
    });
    return json;
}

Json ReliabilityJson(TDataReliabilitas& data, char separator) {
    return Analysis(data, [&] { data.Compute(separator); }, [&] {
        return Json{{"KorelasiXY", data.KorelasiXY},
                    {"Reliabilitas", data.Reliabilitas},
                    {"Items", ItemsOf(data, [](const TItemReliabilitas& item, Json& out) {
                         out = {{"Nama", item.Nama},
                                {"SkorGanjil", item.SkorGanjil},
                                {"SkorGenap", item.SkorGenap},
                                {"SkorTotal", item.SkorTotal}};
                     })}};
    });
}

Json CorrelationJson(TDataKorelasiButir& data, char separator) {
    return Analysis(data, [&] { data.Compute(separator); }, [&] {
        return Json{{"Items", ItemsOf(data, [](const TitemKorelasiButir& item, Json& out) {
                         out = {{"NoButirAsli", item.NoButirAsli},
                                {"Korelasi", item.Korelasi},
                                {"Signifikansi", item.Signifikansi}};
                     })}};
    });
}

void AddMultipleChoice(Session& session, Json& json) {
    const char separator = session.Global().DecimalSeparator;
    json["TDataReliabilitas"] = ReliabilityJson(session.Reliabilitas(), separator);
    // The upper and lower groups keep no object of their own here: forming them puts the score
    // list in score order, as the group window does.
    FormGroups(session.DataSkor());

    TDataPembeda& pembeda = *session.Pembeda();
    json["TDataPembeda"] = Analysis(pembeda, [&] { pembeda.Compute(); }, [&] {
        return Json{{"JumKel", pembeda.JumKel},
                    {"Items", ItemsOf(pembeda, [](const TItemPembeda& item, Json& out) {
                         out = {{"NoButirAsli", item.NoButirAsli}, {"KelAtas", item.KelAtas},
                                {"KelBawah", item.KelBawah},       {"Beda", item.Beda},
                                {"IndeksDP", item.IndeksDP}};
                     })}};
    });

    TDataKesukaran& kesukaran = *session.Kesukaran();
    json["TDataKesukaran"] = Analysis(kesukaran, [&] { kesukaran.Compute(); }, [&] {
        return Json{{"Items", ItemsOf(kesukaran, [](const TItemKesukaran& item, Json& out) {
                         out = {{"NoButirAsli", item.NoButirAsli},
                                {"JumBetul", item.JumBetul},
                                {"TingkatKesukaran", item.TingkatKesukaran},
                                {"Tafsiran", item.Tafsiran}};
                     })}};
    });

    json["TDataKorelasiButir"] = CorrelationJson(session.KorelasiButir(), separator);

    TDataPengecoh& pengecoh = *session.Pengecoh();
    json["TDataPengecoh"] = Analysis(pengecoh, [&] { pengecoh.Compute(); }, [&] {
        return Json{{"Items", ItemsOf(pengecoh, [](const TitemPengecoh& item, Json& out) {
                         out = {{"NoButirAsli", item.NoButirAsli},
                                {"JumBetul", item.JumBetul},
                                {"JumPemilih", item.JumPemilih},
                                {"IndeksPengecoh", item.IndeksPengecoh},
                                {"Kualitas", item.Kualitas},
                                {"JumBlank", item.JumBlank}};
                     })}};
    });
}

void AddEssay(Session& session, Json& json) {
    const char separator = session.Global().DecimalSeparator;
    json["TDataReliabilitas"] = ReliabilityJson(session.Reliabilitas(), separator);

    TDataUnggulAsor& unggulAsor = *session.UnggulAsor();
    json["TDataUnggulAsor"] = Analysis(unggulAsor, [&] { unggulAsor.Compute(separator); }, [&] {
        return Json{{"JumKel", unggulAsor.JumKel},
                    {"Items", ItemsOf(unggulAsor, [](const TItemUnggulAsor& item, Json& out) {
                         out = {{"NoButirAsli", item.NoButirAsli}, {"Rata2Un", item.Rata2Un},
                                {"Rata2As", item.Rata2As},         {"SBUn", item.SBUn},
                                {"SBAs", item.SBAs},               {"SBGab", item.SBGab},
                                {"JumSkorUn", item.JumSkorUn},     {"JumSkorAs", item.JumSkorAs},
                                {"NilaiT", item.NilaiT}};
                     })}};
    });

    TDataPembedaUraian& pembeda = *session.PembedaUraian();
    json["TDataPembeda"] = Analysis(pembeda, [&] { pembeda.Compute(separator); }, [&] {
        return Json{{"Items", ItemsOf(pembeda, [](const TItemPembedaUraian& item, Json& out) {
                         out = {{"NoButirAsli", item.NoButirAsli}, {"DP", item.DP}};
                     })}};
    });

    TDataKesukaranUraian& kesukaran = *session.KesukaranUraian();
    json["TDataKesukaran"] = Analysis(kesukaran, [&] { kesukaran.Compute(separator); }, [&] {
        return Json{
            {"Items", ItemsOf(kesukaran, [](const TItemKesukaranUraian& item, Json& out) {
                 out = {{"NoButirAsli", item.NoButirAsli},
                        {"TingkatKesukaran", item.TingkatKesukaran},
                        {"JumSkorUn", item.JumSkorUn},
                        {"JumSkorAs", item.JumSkorAs},
                        {"Tafsiran", item.Tafsiran}};
             })}};
    });

    json["TDataKorelasiButir"] = CorrelationJson(session.KorelasiButir(), separator);
}

} // namespace

nlohmann::ordered_json ComputeStats(Session& session) {
    session.DataSkor().ScoreAll(session.DataMentah(), session.AnalButirSoal(),
                                session.Global().DecimalSeparator);
    Json json;
    json["kind"] = session.Kind() == AnalyzerKind::PilihanGanda ? "pilihan-ganda" : "uraian";
    json["TDataSkor"] = nullptr;
    if (session.Kind() == AnalyzerKind::PilihanGanda) {
        AddMultipleChoice(session, json);
    } else {
        AddEssay(session, json);
    }
    // Filled last, so that the score list stands in the order the analyses left it.
    json["TDataSkor"] = ScoresJson(session.DataSkor());
    return json;
}

char EnvironmentDecimalSeparator() {
    const locale_t environment = ::newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
    if (environment == static_cast<locale_t>(0)) {
        return '.';
    }
    const char* radix = ::nl_langinfo_l(RADIXCHAR, environment);
    const char separator = (radix != nullptr && radix[0] != '\0' && radix[1] == '\0') ? radix[0] : '.';
    ::freelocale(environment);
    return separator;
}

} // namespace taviro
