#pragma once
// A status-bar pane that shows the state of its notification source as one of three images
// (state 0, 1, 2: images 231, 227, 229), centred over the pane's own drawing, and takes its
// tooltip from the source. The source is not owned: it must outlive the pane or be cleared
// with SetSource(nullptr) first. The pane reads the state whenever it paints.

#include "platform/toolkit/StatusBarPane.h"

#include <QPixmap>

#include <array>
#include <cstdint>

class INotifySource;

class NotifyStatusBarPane : public StatusBarPane
{
    Q_OBJECT

public:
    static constexpr std::array<std::uint32_t, 3> kStateImageIds{231, 227, 229};
    static constexpr int kImageSize = 16;

    NotifyStatusBarPane(std::uint32_t id, INotifySource* source, QWidget* parent = nullptr);

    // Loads the three state images; false, and the pane shows none, when one cannot be had.
    bool LoadImages();

    INotifySource* GetSource() const { return m_source; }
    void SetSource(INotifySource* source);
    // The source's tooltip; empty without a source.
    QString GetSourceTooltip() const;
    // The image of the source's current state; null without a source, before the images are
    // loaded, or for a state other than 0, 1 or 2.
    QPixmap GetStateImage() const;

protected:
    void Draw(QPainter& painter, const QRect& rect) const override;

private:
    INotifySource* m_source;
    std::array<QPixmap, 3> m_images;
};
