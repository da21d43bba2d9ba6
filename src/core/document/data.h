#pragma once

#include "core/document/xml_writer.h"

#include <pugixml.hpp>

#include <memory>
#include <string>

namespace taviro {

// The base of every data object that the save/load engine drives.
class TData {
public:
    TData() = default;
    TData(const TData&) = default;
    TData& operator=(const TData&) = default;
    virtual ~TData() = default;

    // Position in the save/load order: lower values are saved and loaded first.
    int Priority = 0;

    // Returns the object to its empty state.
    virtual void Clear() = 0;
    // Writes the object's elements under the document's root element.
    virtual void SaveToXML(XmlWriter& out) = 0;
    // Reads the object from the document; fileVersion is the root's "file_version".
    virtual void LoadFromXML(pugi::xml_node root, const std::string& fileVersion) = 0;

    // A load reads into fresh objects and replaces the open ones only when the whole file was
    // read, so a damaged file never leaves half a document. CreateForLoad gives the object to read
    // into, carrying what a load keeps from before (nullptr: the object keeps nothing in the
    // document and takes no part in loading); TakeLoaded then takes its content over.
    virtual std::unique_ptr<TData> CreateForLoad() const = 0;
    virtual void TakeLoaded(TData& loaded) = 0;

    // Called once the document was written completely and put in place.
    virtual void AfterSave() {}
};

// The base of every computed analysis: results are computed lazily, and the two flags tell
// whether the result is stale and whether the window that shows it must refill.
class TDataHitung : public TData {
public:
    bool NeedRecalc = true;
    bool NeedRefresh = true;

    // Stores the value in NeedRecalc; a stale result also makes its window stale. It never
    // clears NeedRefresh: only the window that shows the result does.
    void SetNeedRecalc(bool value) {
        NeedRecalc = value;
        if (value) {
            NeedRefresh = true;
        }
    }

    // Analyses keep nothing in the document.
    void SaveToXML(XmlWriter&) override {}
    void LoadFromXML(pugi::xml_node, const std::string&) override {}
    std::unique_ptr<TData> CreateForLoad() const override { return nullptr; }
    void TakeLoaded(TData&) override {}
};

} // namespace taviro
