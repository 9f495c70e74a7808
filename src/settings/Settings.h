#pragma once

#include <cstdint>
#include <expected>
#include <string>
#include <utility>
#include <vector>

#include "common/FileUtil.h"
#include "platform/ReplacedFile.h"

namespace kv {

// Every key of Kestrivane.ini: section, key, default and the longest value read.
enum class Key {
    ShowAllPartMet,
    ShowTextSearch,
    CheckFakesDatAtStart,
    CheckKestrivaneAtStart,
    FakesDatDownloadURL,
    FakesDatVersion,
    TabStop1,
    TabStop2,
    LastSearchString,
    EdonkeyTempPath,
    EdonkeyPrefMetPath,
    EmuleTempDir,
    EmulePreferencesIniPath,
    EmuleTempDirs,  // eMule's further temp directories, '|'-separated
    InspectContent,
    // Further fake list sources (the first is FakesDatDownloadURL/FakesDatVersion)
    // and each source's Last-Modified, sent back as If-Modified-Since.
    FakesDatLastModified,
    FakesDatDownloadURL2,
    FakesDatVersion2,
    FakesDatLastModified2,
    FakesDatDownloadURL3,
    FakesDatVersion3,
    FakesDatLastModified3,
    FakesDatDownloadURL4,
    FakesDatVersion4,
    FakesDatLastModified4,
    FakesDatDownloadURL5,
    FakesDatVersion5,
    FakesDatLastModified5,
    // The main window as it was closed last: position, size and column widths
    // in pixels. Written only when the window closes.
    WindowLeft,
    WindowTop,
    WindowWidth,
    WindowHeight,
    WindowColumn1,
    WindowColumn2,
    WindowColumn3,
    // The program's own site (its version record and setup files) and the
    // address feedback goes to: none until the user sets one.
    ProgramSiteURL,
    FeedbackAddress,
};

struct KeySpec {
    Key key;
    const char* section;
    const char* name;
    const char* defaultValue;
    int16_t size;
};

const KeySpec& SpecOf(Key key);

// A yes/no setting as stored: the text is kept, so that writing back what was
// read never changes the file, and both readings are offered.
class YesNo {
public:
    YesNo() = default;
    explicit YesNo(std::string stored) : stored_(std::move(stored)) {}
    static YesNo Yes() { return YesNo("YES"); }
    static YesNo No() { return YesNo("NO"); }
    static YesNo Of(bool on) { return on ? Yes() : No(); }

    const std::string& Stored() const { return stored_; }
    bool Empty() const { return stored_.empty(); }
    // Start-up and the View switches: "yes" in any case.
    bool IsYes() const;
    // The options dialog ticks its boxes for exactly "YES" only.
    bool IsExactlyYes() const { return stored_ == "YES"; }
    YesNo Flipped() const { return Of(!IsYes()); }

private:
    std::string stored_;
};

// The settings file, read and written key by key (each write keeps every
// other byte of the file).
class Settings {
public:
    Settings() = default;
    explicit Settings(std::string iniPath) : path_(std::move(iniPath)) {}

    const std::string& Path() const { return path_; }

    // The stored value, or the key's default (or the one given) when missing.
    std::string Read(Key key) const;
    std::string Read(Key key, const std::string& defaultValue) const;
    YesNo ReadYesNo(Key key) const { return YesNo(Read(key, "")); }
    // An empty value gets the default written; the default when even that fails.
    std::string Ensure(Key key) const;
    std::string Ensure(Key key, const std::string& defaultValue) const;
    // Whether the value reached the file.
    bool Write(Key key, const std::string& value) const;
    // Several keys of one section in one replacement of the file; the failure
    // names the file and the cause.
    [[nodiscard]] std::expected<void, std::string> Write(const std::vector<std::pair<Key, std::string>>& values) const;
    // The same, written beside the file to be committed later; the caller holds
    // the settings directory's lock (DirectoryLock of DirectoryOf(Path())).
    std::expected<PreparedFile, std::string> Prepare(const std::vector<std::pair<Key, std::string>>& values) const;

private:
    std::string path_;
};

}  // namespace kv
