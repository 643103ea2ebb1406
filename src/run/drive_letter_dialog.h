#pragma once

#include <string>

namespace brenx::platform {
class FileSystem;
}

namespace brenx::run {

// The drive-letter dialog of verify, as a model: the front end draws it and
// drives it through these methods; the engine reads the choice. One model
// lives for the whole run, so its mode and check box persist between
// openings.
//
// The field holds either one drive letter (letter mode: read-only, large
// type) or a directory path with a trailing backslash (directory mode:
// editable, small type, with the "Include verify name subdirs" check box).
class DriveLetterDialog {
  public:
    enum class Mode { Letter, Directory };

    static constexpr const char* kDefaultCaption = "jigger verify";
    static constexpr const char* kExplanation =
        "Brenx saves its crc-log file names with a full path, but wandering CDs "
        "of course wind-up on different drives. Use the spin control to select "
        "the drive the CD is actually on and we'll fake it to do the verify. Or "
        "thisdir'll try and use the current directory for our nefarious "
        "purposes. Maybe....";

    explicit DriveLetterDialog(platform::FileSystem& fileSystem) : fileSystem_(fileSystem) {}

    // Verify's preparation before a question: the field gets the first
    // character of the logged name (the mode stays) and the caption names it.
    void PresetFor(const std::string& loggedName);

    // The spin arrows: back to letter mode, one letter on from the field's
    // first character, held between a and z (no wrap-around).
    void StepUp() { Step(+1); }
    void StepDown() { Step(-1); }
    // "&This dir": directory mode with the current directory and a trailing
    // backslash; the check box is shown from now on.
    void UseCurrentDirectory();
    // The operator's edit of the field; taken in directory mode only.
    bool SetText(const std::string& text);
    void SetIncludeSubdirs(bool ticked) { includeSubdirs_ = ticked; }

    // Whether "&Ok do it" can take the field: an empty field names no place.
    bool CanAccept() const { return !text_.empty(); }
    // The place "&Ok do it" takes as the verify root: the drive letter, or the
    // directory; empty when the field is empty.
    std::string ChosenRoot() const;

    const std::string& Text() const { return text_; }
    const std::string& Caption() const { return caption_; }
    Mode CurrentMode() const { return mode_; }
    bool CheckBoxShown() const { return checkBoxShown_; }
    // Ticked: keep the logged subdirectories under the chosen directory.
    bool IncludeSubdirs() const { return includeSubdirs_; }

  private:
    void Step(int direction);

    platform::FileSystem& fileSystem_;
    std::string text_ = "c";
    std::string caption_ = kDefaultCaption;
    Mode mode_ = Mode::Letter;
    bool checkBoxShown_ = false;
    bool includeSubdirs_ = false;
};

}  // namespace brenx::run
