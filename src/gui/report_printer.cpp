#include "gui/report_printer.h"

#include "gui/colours.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace taviro::gui {

namespace {

// The largest point size at which the widest of the report's lines fits the page width.
QFont FittingFont(QPaintDevice& device, double pageWidth, int charactersPerLine) {
    QFont font(MonoFont);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSizeF(10);
    const double width = QFontMetricsF(font, &device).horizontalAdvance(QString(100, 'M')) / 100;
    const double fitting = 10 * pageWidth / (width * charactersPerLine);
    font.setPointSizeF(std::min(fitting, 12.0) * 0.98);
    return font;
}

} // namespace

int PrintLines(QPrinter& printer, const std::vector<std::string>& lines, int charactersPerLine) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return 0;
    }
    const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRectF area(0, 0, page.width(), page.height());
    std::size_t widest = static_cast<std::size_t>(charactersPerLine);
    for (const std::string& line : lines) {
        widest = std::max(widest, static_cast<std::size_t>(QString::fromUtf8(line).size()));
    }
    const QFont font = FittingFont(printer, area.width(), static_cast<int>(widest));
    painter.setFont(font);
    const QFontMetricsF metrics(font, &printer);
    const double lineHeight = metrics.lineSpacing();
    const double footerHeight = 2 * lineHeight;
    const auto linesPerPage = std::max<std::size_t>(
        1, static_cast<std::size_t>((area.height() - footerHeight) / lineHeight));

    int pages = 0;
    std::size_t next = 0;
    do {
        if (pages > 0) {
            printer.newPage();
        }
        ++pages;
        double y = metrics.ascent();
        for (std::size_t i = 0; i < linesPerPage && next < lines.size(); ++i, ++next) {
            painter.drawText(QPointF(0, y), QString::fromUtf8(lines[next]));
            y += lineHeight;
        }
        painter.drawText(QRectF(0, area.height() - lineHeight, area.width(), lineHeight),
                         Qt::AlignHCenter, QString("Halaman %1").arg(pages));
    } while (next < lines.size());
    painter.end();
    return pages;
}

} // namespace taviro::gui
