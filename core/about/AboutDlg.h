#pragma once
// The about box: a borderless picture with the program's version written on it, shown modeless
// over the current panel. Its window is exactly the picture (a picture that cannot be loaded
// leaves the box at its own size, still clipped to it). A click on it, or its losing the focus,
// hides it; it is shown again later, never remade.

#include <QDialog>
#include <QPixmap>
#include <QString>

#include <memory>

class AboutDlgData;

class AboutDlg : public QDialog
{
    Q_OBJECT

public:
    // The picture, compiled in as PNG resource 839.
    static constexpr const char* kImageResource = ":/png/839";
    // The box's size without its picture.
    static constexpr int kDefaultWidth = 480;
    static constexpr int kDefaultHeight = 270;

    AboutDlg(std::shared_ptr<const AboutDlgData> data, const QString& version, QWidget* parent,
             const QPixmap& image = LoadImage());

    static QPixmap LoadImage();

    // "Wersja: <version>".
    QString GetVersionText() const;
    // Where the version text is drawn: its own size, its top-left corner at the data's position.
    QRect GetVersionTextRect() const;

    // The first time centred over the parent (halves rounded toward zero), then as it was left.
    void ShowAbout();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void CentreOverParent();

    std::shared_ptr<const AboutDlgData> m_data;
    QString m_version;
    QPixmap m_image;
    bool m_placed = false;
};
