#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

// The board: a 520 x 520 picture the game paints into with plain copies and the AND and XOR
// raster operations, shown as it is. The stages place their controls on it as children.
class BoardView : public QWidget {
    Q_OBJECT
public:
    static constexpr int Size = 520;
    static QColor backgroundColour() { return QColor(141, 207, 244); }

    enum class RasterOp { Copy, And, Xor };

    explicit BoardView(QWidget *parent = nullptr);

    // Paints picture with its top-left corner at (x, y), combined with what is there by op.
    void drawPicture(int x, int y, const QImage &picture, RasterOp op = RasterOp::Copy);
    // Copies a 300 x 300 scene (level, end or chance creature) into the middle of the ring.
    void drawScene(const QImage &scene) { drawPicture(ScenePosition, ScenePosition, scene); }
    // Fills the whole board with the background colour.
    void clear();
    const QImage &canvas() const { return canvas_; }

signals:
    // A mouse button went down on the board itself (not on a control placed on it).
    void pressed();
    // The pointer moved over the board itself.
    void moved();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    static constexpr int ScenePosition = 110;

    QImage canvas_;
};
