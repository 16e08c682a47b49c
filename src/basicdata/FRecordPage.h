#pragma once

#include <QList>
#include <QWidget>

namespace zentrel::controls {
class UrComndBar;
class UrComndBarClient;
class UrDataGrid;
class UrFrame;
class UrHeaderLine;
class UrFieldControl;
class UrText;
} // namespace zentrel::controls

namespace zentrel::basicdata {

class RecordList;
class RecordLogic;

// One record tab of a basic-data window: the record grid on the left, the header line and the
// frame of field controls on the right, the invisible command-bar client. The page binds a
// logic class to the framework: the grid shows the logic's record list, the client's events
// call the logic's rules, and after each write the grid is refreshed from the logic.
//
// States follow the command bar's: browse (fields locked), edit, add (no current record in
// the grid until the new one is saved or abandoned).
class FRecordPage : public QWidget {
    Q_OBJECT
public:
    explicit FRecordPage(QWidget *parent = nullptr);
    ~FRecordPage() override;

    // Shows the page: re-reads its lists (changes made elsewhere appear), returns to the current
    // record and makes the page the owner of the command bar.
    void Activate();

    controls::UrDataGrid *grid() const { return m_grid; }
    controls::UrFrame *frame() const { return m_frame; }
    controls::UrHeaderLine *header() const { return m_header; }
    controls::UrComndBarClient *client() const { return m_client; }
    bool adding() const { return m_adding; }

protected:
    // Set up by the page's constructor: the grid's columns and caption, the buttons (rows of the
    // command table), whether the frame is locked by the bar at all, a secondary grid.
    void setButtons(const QList<int> &rows) { m_rows = rows; }
    void setSecondaryGrid(controls::UrDataGrid *grid) { m_secondary = grid; }
    void setFrameless(bool on) { m_frameless = on; }

    // The logic class whose record list the grid shows.
    virtual RecordLogic &logic() = 0;
    RecordList &records();
    // Re-reads the logic's lists.
    virtual bool reopen() = 0;
    // The grid moved to a row: the logic follows (and remembers shared records).
    virtual void moved(int row);
    // Loads the fields from the logic's current record (bound fields by their column names).
    virtual void showRecord();
    // Fills the fields of a new record.
    virtual void startNew() {}
    virtual bool saveNew() { return false; }
    virtual bool saveEdit() { return false; }
    virtual bool deleteRecord() { return false; }
    // Commands the bar passes through (copy, import, ...); set cancel to keep the state.
    virtual void otherCommand(int code, bool &cancel) {
        Q_UNUSED(code)
        Q_UNUSED(cancel)
    }
    virtual QString headerText() const = 0;
    // The grid whose records the fields edit (a new record is started there).
    virtual controls::UrDataGrid *editGrid() const { return m_grid; }
    // After the bar's Init (which clears its flags): the page's own flags.
    virtual void configureBar(controls::UrComndBar &bar) { Q_UNUSED(bar) }
    // The field a refused validation concerns: the control that gets the focus.
    virtual controls::UrFieldControl *fieldFor(const QString &field) const;

    // Shows the logic's rows in the grid and selects its current record; reloads the fields.
    void syncGrid();
    void refreshHeader();
    void focusInvalid(const QString &field);
    // Adds a field to the frame: the label (caption and ":"), the control, its database field and
    // the width it needs in characters (0: as wide as the frame).
    void addField(const QString &caption, controls::UrFieldControl *control, const QString &field, int widthInChar = 0);
    // The text of a bound field as it stands.
    QString fieldText(const QString &field) const;
    // Adds a control that is not bound (a mover box, a total).
    void addRow(const QString &caption, QWidget *widget);
    // Adds a row with its own label widget.
    void addRow(QWidget *label, QWidget *widget) { place(label, widget); }
    // Adds "Št. ur / dol. bloka": the hours and the block length, two digits each, on one line,
    // bound to STEVILO_UR and DOLZINA_TERMINA.
    void addHoursFields(controls::UrText *hours, controls::UrText *block);
    // Makes a grid no wider than its columns and a scroll bar.
    static void fitGridWidth(controls::UrDataGrid *grid);
    // Shows a yes/no column of a grid as check marks.
    static void showAsCheck(controls::UrDataGrid *grid, int column);
    // Keeps a field as narrow as the characters it shows need.
    static void limitWidth(QWidget *widget, int chars);

private:
    void place(QWidget *label, QWidget *widget);
    void onRowColChange();
    void onButtonClick(int &code, bool &cancel);

    controls::UrComndBarClient *m_client;
    controls::UrDataGrid *m_grid;
    controls::UrDataGrid *m_secondary = nullptr;
    controls::UrHeaderLine *m_header;
    controls::UrFrame *m_frame;
    QList<int> m_rows;
    bool m_adding = false;
    bool m_syncing = false;
    bool m_frameless = false;
    int m_placedRows = 0;
    bool m_growingRow = false;
};

} // namespace zentrel::basicdata
