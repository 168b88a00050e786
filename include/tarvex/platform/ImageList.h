#pragma once

#include <QObject>
#include <QPixmap>
#include <QString>

#include <vector>

namespace Tarvex {

// The host's image list: pictures of one size, found by their index (from 1) or by their key.
// Controls hold it by pointer; the host owns it.
class ImageList : public QObject {
    Q_OBJECT
public:
    explicit ImageList(QObject* Parent = nullptr);

    // Pixels, 0..MaxImageSize: controls add an image's size to their own positions and sizes.
    static constexpr int MaxImageSize = 65535;
    int ImageWidth() const { return m_ImageWidth; }
    void ImageWidth(int New_ImageWidth);
    int ImageHeight() const { return m_ImageHeight; }
    void ImageHeight(int New_ImageHeight);

    // Appends a picture; returns its index.
    int Add(const QPixmap& Picture, const QString& Key = QString());
    int Count() const { return static_cast<int>(m_Images.size()); }
    // 0 when no image has that key (keys compare exactly).
    int IndexOf(const QString& Key) const;
    // Empty for an index outside the list.
    QString Key(int Index) const;
    QPixmap Picture(int Index) const;

private:
    struct ListImage {
        QPixmap Picture;
        QString Key;
    };
    std::vector<ListImage> m_Images; // index - 1 -> image
    int m_ImageWidth { 16 };         // pixels; every picture is drawn at this size
    int m_ImageHeight { 16 };
};

} // namespace Tarvex
