#pragma once
// The in-place editor of a caption: a frameless line edit laid over the caption's rectangle.
// Enter or leaving it hands the text on (after the receiver accepted it), Escape cancels. One
// editor per owner, reused. Main thread only.

#include <QLineEdit>
#include <QPointer>

class ITextReceiver;

class NoteCtrl : public QLineEdit
{
    Q_OBJECT

public:
    NoteCtrl();

    // Opens the editor with the caption over rect (in the parent's coordinates); editMode
    // false shows the caption read-only. False when there is no parent to show it in.
    bool ShowNote(const QPoint& point, const QString& caption, const QRect& rect, bool editMode, ITextReceiver* receiver,
                  QWidget* parent);
    // Closes the editor without handing anything on.
    void HideNote();
    bool IsShown() const { return isVisible(); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Finish(bool accepted);

    ITextReceiver* m_receiver = nullptr;
    bool m_finishing = false;
};
