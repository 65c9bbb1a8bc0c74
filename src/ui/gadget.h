// Layout tables: a window is a form of numbered gadgets, each with its kind, caption, place on
// the window's design grid and flags. The runtime builds the widgets from the table, scaled.
#pragma once

#include <string>
#include <vector>

namespace vandrix::ui {

enum class GadgetKind {
    Button,         // owner-drawn push button (multi-line when its caption has line breaks)
    ImageButton,    // a button that shows an image
    TextField,      // one-line text field
    TextArea,       // multi-line text field
    Label,          // static text
    ComboBox,       // drop-down list
    EditableCombo,  // drop-down with an editable field
    ListView,       // list with columns (the receipt grid among them)
    TabPanel,       // tabs drawn by the program; a caption "A|B" makes its pages
    ScrollArea,
    SpinBox,
    Calendar,
    DatePicker,
    ProgressBar,
    Frame,
    Image,  // an image panel; raises double clicks
    CheckBox,
};

// Flags of a gadget; they combine.
enum GadgetFlag : unsigned {
    kUpperCase = 1u << 0,     // text field: letters are upper-cased as typed
    kDigitsOnly = 1u << 1,    // text field: digits only
    kPassword = 1u << 2,      // text field: hides what is typed
    kReadOnly = 1u << 3,      // text field: no typing
    kCentred = 1u << 4,       // text field or label: centred text
    kRightAligned = 1u << 5,  // text field or label: right-aligned text
    kHidden = 1u << 6,        // created hidden
    kDisabled = 1u << 7,      // created disabled
    kCheckBoxes = 1u << 8,    // list view: a check box per row, ticked by the window's code
    kFullRowSelect = 1u << 9,
    kGridLines = 1u << 10,
    kIndeterminate = 1u << 11,  // progress bar without an end
    kBorder = 1u << 12,         // label or image with a frame
};

struct GadgetSpec {
    int number;
    GadgetKind kind;
    std::string caption;  // button caption, label text, field text, list column titles ("A|B")
    int x, y, width, height;
    unsigned flags = 0;
    std::string name;  // automation name for a gadget without caption ("entry", "grid", ...)
    // A gadget on a page of a tab panel (the panel's number, the page from 0); its place is
    // from the page's top left. 0: on the window.
    int container = 0;
    int page = 0;
};

struct FormSpec {
    std::string name;  // the form's name, e.g. "Interfata"
    std::string title;
    int width, height;  // the design grid of the window
    std::vector<GadgetSpec> gadgets;
    bool scaled = true;      // multiplied by the scale factors when built
    bool statusBar = false;  // a status bar under the gadgets
    bool closeBox = true;    // caption with a close box
    bool alwaysOnTop = false;
    bool tool = false;  // a small tool window (no minimize button)
    bool maximizeBox = false;
    bool dialog = false;  // a message box: the transcript records its answer, not open/close
    // The window's own font for all its gadgets, its height on the design grid (scaled like the
    // gadgets); no family: the runtime's default font.
    std::string fontFamily = "";
    int fontHeight = 0;
};

// What a window's loop receives.
enum class EventType {
    None,
    Click,        // a button, image button, check box; a field's focus is not a click
    DoubleClick,  // a list row, an image panel
    Change,       // a field's text or a list's selection changed by the user
    Focus,        // a text field got the keyboard focus
    Shortcut,     // a keyboard shortcut of the window; gadget holds the shortcut's event number
    Close,        // the close box (or a request to close the window)
};

struct Event {
    EventType type = EventType::None;
    int gadget = -1;
};

}  // namespace vandrix::ui
