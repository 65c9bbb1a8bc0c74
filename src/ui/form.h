// A form: one window built from its layout table, with numbered gadgets and a queue of events.
// A window's code opens its form and runs its own loop: wait for an event, dispatch on the
// gadget that raised it, do the after-event work, until the window closes.
#pragma once

#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/colour_scheme.h"
#include "ui/gadget.h"
#include "ui/keys.h"
#include "ui/text_image.h"

class QKeyEvent;
class QWidget;
class QStatusBar;

namespace vandrix::ui {

class Runtime;
class FormWindow;

class Form {
  public:
    // Builds the window and its gadgets and shows it. A parent keeps the window above it.
    Form(Runtime& runtime, const FormSpec& table, Form* parent = nullptr);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Runtime& runtime() { return runtime_; }
    const std::string& name() const { return name_; }

    // Waits up to timeoutMs for the next event; nullopt when the time ran out without one.
    std::optional<Event> wait(int timeoutMs);
    void post(const Event& event);
    // The next queued event without waiting. Key presses queued on the way (see takeKeyPress)
    // reach their gadgets here, in their place in the queue.
    std::optional<Event> takeEvent();

    // A key press on one of this form's widgets, before the widget sees it: a keyboard shortcut
    // becomes a queued Shortcut event; any other key is queued behind the events not yet taken
    // (so a fast burst of digits and letters reaches the field in the order it was typed) and
    // reaches its widget when the loop gets to it. False when the widget should have the key now.
    bool takeKeyPress(QWidget* widget, const QKeyEvent& event);

    // Events of this form go to the target's queue instead (the backdrop's image panels are
    // handled by the sale window's loop), and the target's automation finds its gadgets.
    void forwardEventsTo(Form* target);
    void addLinkedForm(Form* other);
    const std::vector<Form*>& linkedForms() const { return linked_; }

    // The window
    std::string title() const;
    void setTitle(const std::string& title);
    void setBackground(Colour colour);
    void repaint();  // draws every gadget again (after a change of colours)
    void setAlwaysOnTop(bool onTop);
    void minimize();
    void hideWindow();
    void showWindow();
    bool isMaximized() const;
    void showNormal();
    void activate();
    void placeWindow(int x, int y, int width, int height);  // pixels, client area
    // The window in the middle of the desktop's work area, its size on the design grid (scaled
    // like the gadgets of a scaled form).
    void centreOnScreen(int width, int height);

    // Gadgets. Places and sizes are on the design grid and scaled like the layout table.
    bool has(int gadget) const;
    void addGadget(const GadgetSpec& table);
    // A gadget inside another: on a tab panel's page (page counted from 0), or in a scroll
    // area's content (page unused). Its place is on the design grid, from the container's
    // top left.
    void addGadgetIn(int container, int page, const GadgetSpec& table);
    void removeGadget(int gadget);

    // Tab panels: pages added with their titles, shown, removed.
    int addTab(int panel, const std::string& title);  // the new page's index
    void removeTab(int panel, int page);
    void showTab(int panel, int page);
    int currentTab(int panel) const;  // -1 when the panel has no page
    int tabCount(int panel) const;

    // Scroll areas: the size of their content (design grid) and the vertical position (pixels).
    void setContentSize(int area, int width, int height);
    int scrollPosition(int area) const;
    void scrollTo(int area, int position);
    void place(int gadget, int x, int y, int width, int height);
    std::string text(int gadget) const;  // caption or content; line breaks as in the caption
    void setText(int gadget, const std::string& text);
    void setEnabled(int gadget, bool enabled);
    bool isEnabled(int gadget) const;
    void setVisible(int gadget, bool visible);
    bool isVisible(int gadget) const;
    void setFocus(int gadget);
    int focusedGadget() const;  // -1 when none of the form's gadgets has the focus
    void setCaretToEnd(int gadget);
    void setFont(int gadget, const FontSpec& font);
    void setImage(int gadget, const TextImage& image);
    // Loads a PNG or BMP; with a width and height (design units) it is resized to them, with 0
    // it keeps its own size.
    bool loadImage(int gadget, const std::string& path, int width, int height);
    void setTextColours(int gadget, Colour text, Colour back);  // labels and fields
    int handle(int gadget) const;                               // the gadget's process-wide number
    std::string handleKey(int gadget) const { return std::to_string(handle(gadget)); }
    QWidget* widget(int gadget) const;
    QWidget* window() const;

    // Lists
    void setColumns(int gadget, const std::vector<std::string>& titles,
                    const std::vector<int>& widths);
    void setColumnWidth(int gadget, int column, int width);
    void clearRows(int gadget);
    void addRow(int gadget, const std::vector<std::string>& cells);
    // Many rows at once (a long list fills in one step).
    void addRows(int gadget, const std::vector<std::vector<std::string>>& rows);
    void removeRow(int gadget, int row);
    int rowCount(int gadget) const;
    std::string cell(int gadget, int row, int column) const;
    void setCell(int gadget, int row, int column, const std::string& text);
    int selectedRow(int gadget) const;    // -1 when none
    void selectRow(int gadget, int row);  // -1 removes the selection
    // A row's check box in a check-box list; for a check box gadget the row is not used.
    bool isChecked(int gadget, int row = 0) const;
    void setChecked(int gadget, int row, bool checked);
    void setRowColours(int gadget, int row, Colour text, Colour back);
    void setCellTextColour(int gadget, int row, int column, Colour text);

    // Drop-down lists: their entries, and the chosen one (-1 for none).
    void clearItems(int gadget);
    void addItem(int gadget, const std::string& item);
    int itemCount(int gadget) const;
    std::string item(int gadget, int index) const;
    int currentItem(int gadget) const;
    void setCurrentItem(int gadget, int index);

    // The mark at the start of a list row: none (a blank image), a red disc or a green disc.
    enum class RowMark { None, Red, Green };
    void setRowMark(int gadget, int row, RowMark mark);
    RowMark rowMark(int gadget, int row) const;

    // Spin boxes: the numbers that can be chosen.
    void setNumberRange(int gadget, int lowest, int highest);

    // Calendars and date pickers: the dates that can be chosen ("YYYY-MM-DD").
    void setDateRange(int gadget, const std::string& earliest, const std::string& latest);

    // Progress bars
    void setProgress(int gadget, int value, int maximum);

    // Status bar fields (widths in design units; a status bar belongs to the form table).
    void setStatusFields(const std::vector<int>& widths);
    void setStatusText(int field, const std::string& text);
    std::string statusText(int field) const;
    int statusFieldCount() const;

    // Keyboard shortcuts: the key raises a Shortcut event with the given number and never
    // reaches the focused gadget.
    void addShortcut(Key key, int event);
    void removeShortcut(Key key);
    void clearShortcuts();
    std::optional<int> shortcutFor(Key key) const;

    // For the automation: find a gadget by "#N", its name or its caption (line breaks as one
    // space); -1 when no gadget matches.
    int findGadget(const std::string& target) const;
    // Gadget numbers in order, with their names or captions, for a failure report.
    std::vector<std::pair<int, std::string>> describeGadgets() const;
    GadgetKind kind(int gadget) const;
    unsigned flags(int gadget) const;

  private:
    struct Gadget;
    struct DeferredKey;
    // A queued event, or a key press waiting for the events queued before it.
    struct Queued {
        Event event;
        std::unique_ptr<DeferredKey> key;
    };
    Gadget* find(int gadget);
    const Gadget* find(int gadget) const;
    void build(Gadget& g, QWidget* parent);
    void addBuilt(std::unique_ptr<Gadget> g);
    void connectEvents(Gadget& g);
    void applyPlace(Gadget& g);

    Runtime& runtime_;
    std::string name_;
    bool scaled_;
    std::unique_ptr<FormWindow> window_;
    QStatusBar* statusBar_ = nullptr;
    std::vector<std::unique_ptr<Gadget>> gadgets_;
    std::deque<Queued> events_;
    std::map<Key, int> shortcuts_;
    std::string openedTitle_;
    bool dialog_ = false;
    Form* forwardTo_ = nullptr;
    std::vector<Form*> linked_;
};

// A caption with every line break (CR LF, CR or LF) written as one space: how the automation
// names and reads captions.
std::string captionAsOneLine(const std::string& caption);

}  // namespace vandrix::ui
