#include "core/document/save_load_engine.h"

#include "core/document/atomic_file.h"
#include "core/document/xml_file.h"
#include "core/taviro_error.h"

#include <algorithm>
#include <memory>

namespace taviro {

namespace {

[[noreturn]] void ThrowForFile(const std::string& fileName, const char* action,
                               const std::string& problem) {
    throw TaviroError("Berkas \"" + fileName + "\" " + action + ": " + problem + ".");
}

} // namespace

void TSaveLoadEngine::AddData(TData& data) {
    DataList.push_back(&data);
    std::stable_sort(DataList.begin(), DataList.end(),
                     [](const TData* a, const TData* b) { return a->Priority < b->Priority; });
}

void TSaveLoadEngine::Load() {
    std::vector<std::pair<TData*, std::unique_ptr<TData>>> loaded;
    std::string version;
    try {
        pugi::xml_document document;
        ParseXmlFile(FileName, document);
        const pugi::xml_node root = document.document_element();
        version = root.attribute("file_version").value();
        for (TData* data : DataList) {
            std::unique_ptr<TData> fresh = data->CreateForLoad();
            if (fresh) {
                fresh->LoadFromXML(root, version);
                loaded.emplace_back(data, std::move(fresh));
            }
        }
    } catch (const TaviroError& error) {
        ThrowForFile(FileName, "tidak dapat dibaca", error.what());
    } catch (const std::bad_alloc&) {
        ThrowForFile(FileName, "tidak dapat dibaca", "memori tidak cukup untuk membacanya");
    }
    // Everything was read: only now does the open document change.
    for (auto& [data, fresh] : loaded) {
        data->TakeLoaded(*fresh);
    }
    FileVersion = version;
}

void TSaveLoadEngine::Save() {
    try {
        AtomicFile file(FileName);
        XmlWriter out([&file](std::string_view block) { file.Write(block); });
        out.Declaration();
        out.Open("TAVIRO", "file_version", CurrentFileVersion(Kind));
        for (TData* data : DataList) {
            data->SaveToXML(out);
        }
        out.Close("TAVIRO");
        out.Flush();
        file.Commit();
    } catch (const TaviroError& error) {
        ThrowForFile(FileName, "tidak dapat disimpan", error.what());
    } catch (const std::bad_alloc&) {
        ThrowForFile(FileName, "tidak dapat disimpan", "memori tidak cukup");
    }
    for (TData* data : DataList) {
        data->AfterSave();
    }
}

} // namespace taviro
