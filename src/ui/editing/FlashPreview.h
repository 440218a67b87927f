#pragma once

#include "model/FlashGenerator.h"

#include <QColor>
#include <QWidget>

#include <array>

namespace zg {

// A strip of the cells a flash pattern gives, one line for each LED it fills, in the LEDs' colours:
// the user sees the rounding to whole events before taking it.
class FlashPreview : public QWidget {
    Q_OBJECT
  public:
    explicit FlashPreview(QWidget* parent);

    void showLayout(const FlashLayout& layout, const std::array<bool, kLedCount>& rows,
                    const std::array<QColor, kLedCount>& colours);
    // The cells shown, for the LEDs shown, as '1' and '0' up to the end mark; lines apart by '/'.
    QString cellsText() const;

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    FlashLayout layout_;
    std::array<bool, kLedCount> rows_{};
    std::array<QColor, kLedCount> colours_{};
};

} // namespace zg
