#pragma once
// The instrument field of the cloud alert definition dialog: a single-line edit with type-ahead.
// Its owner refuses keystrokes that no instrument continues, and moves through the matches with
// Up, Down, Page Up and Page Down; the current match's "name\nmarket" is shown greyed at the
// right of the typed text and becomes the field's text (the name alone) on Enter or when the
// field loses the focus. Until the user types, clicks or an instrument is set, the field shows
// a hint. It takes instruments dropped from the program's lists.

#include <QLineEdit>

#include <functional>

class Asset;
class QMimeData;

class CloudAlertAssetCtrl : public QLineEdit
{
    Q_OBJECT

public:
    static const QString kHint;
    // The program's drag format of an instrument; the payload ends with the instrument's name.
    static const QString kAssetDragFormat;

    using Validator = std::function<bool(const QString& text)>;
    // Answers whether it handled the key.
    using KeyHandler = std::function<bool(int key)>;
    using DropHandler = std::function<void(const QString& assetName)>;

    explicit CloudAlertAssetCtrl(QWidget* parent = nullptr);

    void SetValidator(Validator validator) { m_validator = std::move(validator); }
    void SetKeyHandler(KeyHandler handler) { m_keyHandler = std::move(handler); }
    void SetDropHandler(DropHandler handler) { m_dropHandler = std::move(handler); }
    bool Accepts(const QString& text) const { return !m_validator || m_validator(text); }

    void SetInstrumentText(const QString& text);
    QString InstrumentText() const { return m_instrumentText; }
    void SetInstrument(const Asset& asset);
    // The hint shows again, as for a new alert.
    void ResetTyped();
    bool IsTyped() const { return m_typed; }
    // An instrument of the program's lists sets it; anything else changes nothing.
    void DropData(const QMimeData& data);
    // The typed text becomes the instrument text's name.
    void TakeInstrumentText();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void SetTyped();

    Validator m_validator;
    KeyHandler m_keyHandler;
    DropHandler m_dropHandler;
    QString m_instrumentText;
    bool m_typed = false;
};
