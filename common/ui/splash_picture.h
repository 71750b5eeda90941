// The picture of the splash window (`Picture1`): a room in section with a fire on
// its floor, the hot smoke layer under the ceiling and the vent it flows out of,
// the two-zone picture the suite's models are built on. Drawn in code, so it is
// sharp at any size and on any screen.
#pragma once

#include <QWidget>

namespace vorla::ui {

class SplashPicture final : public QWidget {
    Q_OBJECT
  public:
    explicit SplashPicture(QWidget* parent = nullptr);

    QSize sizeHint() const override { return {220, 170}; }
    QSize minimumSizeHint() const override { return {110, 85}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace vorla::ui
