#pragma once
// frmAutoMax, the limit editor, as a modal Qt dialog over LimitEditorModel. As with the main
// window, the widgets only show the editor: clicks, keys and focus changes go to LimitEditorModel,
// and Render() then copies its controls back into the widgets. The dialog closes when the editor
// unloads itself (Close, or Esc, which presses Close).

#include <QDialog>
#include <QPointer>
#include <filesystem>
#include <functional>
#include <string_view>

#include "app/model/main_window_model.h"
#include "app/qt/control_view.h"
#include "app/qt/qt_services.h"
#include "limits/limit_editor_model.h"

class QLineEdit;

namespace orvane::qt {

class LimitEditorView final : public QDialog {
    Q_OBJECT

  public:
    // `editor` is constructed on its open limit file and not loaded yet; it outlives the dialog.
    explicit LimitEditorView(LimitEditorModel& editor, Twips twips = LayoutTwips(),
                             QWidget* parent = nullptr);
    ~LimitEditorView() override;

    // Loads the editor, centred on the screen, and shows its state.
    void Load();

    QWidget* control(EditorCtl id) const { return view_->widget(static_cast<int>(id)); }
    const LimitEditorModel& editor() const { return editor_; }

    // Copies the editor's state into the widgets, with their signals blocked.
    void Render();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void Build();
    QWidget* Make(EditorCtl id);
    bool OnKeyPress(EditorCtl id, QKeyEvent* event);
    // Runs a person's action on the editor, then shows the result or closes the dialog.
    template <class F>
    void Act(F&& action);
    void RenderControl(EditorCtl id);

    LimitEditorModel& editor_;
    Twips twips_;
    ControlView* view_;
};

// The limit editor as the main window's Tools menu opens it: the limit file in the folder of
// the limit files, then frmAutoMax shown modally over the main window.
class QtLimitEditors final : public LimitEditors {
  public:
    // `folder` answers the folder of the limit files when an editor opens.
    QtLimitEditors(std::function<std::filesystem::path()> folder, MessageBoxes& boxes,
                   Beeper& beeper, Twips twips = LayoutTwips());

    void set_parent(QWidget* parent) { parent_ = parent; }
    void ShowEditor(std::string_view file, std::string_view caption) override;

  private:
    std::function<std::filesystem::path()> folder_;
    MessageBoxes& boxes_;
    Beeper& beeper_;
    Twips twips_;
    QPointer<QWidget> parent_;
};

}  // namespace orvane::qt
