#pragma once
// A layout that places its items left to right and wraps them onto further
// rows when the width runs out, so the ribbon fits any window width and
// nothing sits off screen.
#include <QLayout>
#include <QList>

namespace quill10::gui {

class FlowLayout : public QLayout {
public:
    explicit FlowLayout(QWidget* parent = nullptr, int spacing = 6);
    ~FlowLayout() override;

    void addItem(QLayoutItem* item) override;
    int count() const override { return static_cast<int>(items_.size()); }
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize minimumSize() const override;
    QSize sizeHint() const override;
    void setGeometry(const QRect& rect) override;

private:
    // Lays the items out in `rect` (or only measures when `place` is false);
    // returns the height used.
    int Arrange(const QRect& rect, bool place) const;

    QList<QLayoutItem*> items_;
    int spacing_;
};

}  // namespace quill10::gui
