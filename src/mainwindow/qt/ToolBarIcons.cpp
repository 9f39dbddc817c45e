// The tool bar's pictograms, painted at start-up.

#include "mainwindow/qt/ToolBarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <functional>

#include "common/Real.h"

namespace lm {

namespace {

constexpr qreal kRatio = 2;  // drawn at twice the size the button shows

const QColor kInk(30, 30, 30);
const QColor kSteel(110, 120, 135);
const QColor kRed(210, 30, 30);
const QColor kBlue(30, 70, 200);
const QColor kGreen(20, 130, 40);
const QColor kYellow(245, 200, 60);

// Paints one pictogram in 16 x 16 logical units onto a 2x pixmap.
QIcon Draw(const std::function<void(QPainter&)>& paint) {
    QPixmap pixmap(qRound(kToolPictureSize * kRatio), qRound(kToolPictureSize * kRatio));
    pixmap.setDevicePixelRatio(kRatio);
    pixmap.fill(Qt::transparent);
    {
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        paint(p);
    }
    return QIcon(pixmap);
}

QPen Pen(const QColor& c, qreal width = 1.2) {
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void ArrowHead(QPainter& p, QPointF tip, qreal angleDeg, const QColor& c, qreal size = 3.2) {
    const qreal a = angleDeg * qreal(kPi) / 180;
    const QPointF back(tip.x() - size * std::cos(a), tip.y() + size * std::sin(a));
    const QPointF side(-std::sin(a) * size * 0.55, -std::cos(a) * size * 0.55);
    QPolygonF head{tip, back + side, back - side};
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(head);
    p.setBrush(Qt::NoBrush);
}

// Axes of a small diagram: a vertical axis on the left and a horizontal one across.
void DiagramAxes(QPainter& p, qreal axisY) {
    p.setPen(Pen(kInk, 1));
    p.drawLine(QPointF(2, 1.5), QPointF(2, 14.5));
    p.drawLine(QPointF(1.5, axisY), QPointF(15, axisY));
}

void OpenFile(QPainter& p) {
    p.setPen(Pen(QColor(150, 110, 20), 1));
    p.setBrush(QColor(230, 180, 60));
    QPolygonF back{{1, 3}, {6, 3}, {7.5, 4.5}, {14, 4.5}, {14, 13}, {1, 13}};
    p.drawPolygon(back);
    p.setBrush(kYellow);
    QPolygonF flap{{1, 13}, {3.5, 7}, {15.5, 7}, {13.5, 13}};
    p.drawPolygon(flap);
}

void SaveFile(QPainter& p) {
    p.setPen(Pen(QColor(10, 30, 90), 1));
    p.setBrush(QColor(40, 80, 170));
    QPolygonF body{{1.5, 1.5}, {12.5, 1.5}, {14.5, 3.5}, {14.5, 14.5}, {1.5, 14.5}};
    p.drawPolygon(body);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 1.5, 8, 5));
    p.setBrush(QColor(200, 205, 215));
    p.drawRect(QRectF(4, 9.5, 8, 5));
    p.setPen(Pen(QColor(40, 80, 170), 1.4));
    p.drawLine(QPointF(9.5, 2.8), QPointF(9.5, 5.2));
}

void FrameDimensions(QPainter& p) {
    // The driver with its spokes, the main rod, and a dimension line above.
    p.setPen(Pen(kInk, 1.2));
    p.drawEllipse(QPointF(5, 10), 4, 4);
    for (int k = 0; k < 4; ++k) {
        const qreal a = k * qreal(kPi) / 4;
        p.drawLine(QPointF(5 - 4 * std::cos(a), 10 - 4 * std::sin(a)),
                   QPointF(5 + 4 * std::cos(a), 10 + 4 * std::sin(a)));
    }
    p.setPen(Pen(kRed, 1.6));
    p.drawLine(QPointF(6.5, 8.5), QPointF(15, 10));
    p.setPen(Pen(kBlue, 1));
    p.drawLine(QPointF(2.5, 2.5), QPointF(13.5, 2.5));
    ArrowHead(p, QPointF(1, 2.5), 180, kBlue, 2.8);
    ArrowHead(p, QPointF(15, 2.5), 0, kBlue, 2.8);
}

void CylinderDimensions(QPainter& p) {
    // A cylinder in section: the bore, the piston and its rod; a bore dimension.
    p.setPen(Pen(kInk, 1.2));
    p.setBrush(QColor(215, 215, 215));
    p.drawRect(QRectF(4.5, 3, 10, 10));
    p.setBrush(kSteel);
    p.drawRect(QRectF(8, 3.8, 2.5, 8.4));
    p.setPen(Pen(kInk, 1.6));
    p.drawLine(QPointF(0.5, 8), QPointF(8, 8));
    p.setPen(Pen(kBlue, 1));
    p.drawLine(QPointF(2, 4.5), QPointF(2, 11.5));
    ArrowHead(p, QPointF(2, 3), 90, kBlue, 2.6);
    ArrowHead(p, QPointF(2, 13), -90, kBlue, 2.6);
    p.setBrush(Qt::NoBrush);
}

void DriverAngle(QPainter& p) {
    // Two rays from the axle with the angle between them marked.
    const QPointF o(3, 13);
    p.setPen(Pen(kInk, 1.4));
    p.drawLine(o, QPointF(15, 13));
    p.drawLine(o, QPointF(12, 3));
    p.setPen(Pen(kRed, 1.3));
    p.drawArc(QRectF(o.x() - 7, o.y() - 7, 14, 14), 0, 50 * 16);
    ArrowHead(p, QPointF(7.4, 7.7), 140, kRed, 3);
    p.setPen(Pen(kInk, 1));
    p.setBrush(kInk);
    p.drawEllipse(o, 1.2, 1.2);
    p.setBrush(Qt::NoBrush);
}

void StepAngle(QPainter& p) {
    // A crank circle with its step marks and the turning arrow.
    const QPointF c(8, 8);
    p.setPen(Pen(kInk, 1));
    for (int k = 0; k < 12; ++k) {
        const qreal a = k * qreal(kPi) / 6;
        p.drawLine(QPointF(c.x() + 5.5 * std::cos(a), c.y() - 5.5 * std::sin(a)),
                   QPointF(c.x() + 7.3 * std::cos(a), c.y() - 7.3 * std::sin(a)));
    }
    p.setPen(Pen(kRed, 1.5));
    p.drawArc(QRectF(c.x() - 4, c.y() - 4, 8, 8), 30 * 16, 240 * 16);
    ArrowHead(p, QPointF(c.x() + 4 * std::cos(-qreal(kPi) / 2.4), c.y() + 4 * std::sin(qreal(kPi) / 2.4)),
              0, kRed, 3);
    p.setPen(Pen(kInk, 1));
    p.setBrush(kInk);
    p.drawEllipse(c, 1.1, 1.1);
    p.setBrush(Qt::NoBrush);
}

void ReverseArm(QPainter& p) {
    // The reverse shaft with its arm, and the arc the arm end travels.
    const QPointF shaft(4, 12);
    const QPointF end(12, 4.5);
    p.setPen(Pen(kSteel, 2.4));
    p.drawLine(shaft, end);
    p.setPen(Pen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawEllipse(shaft, 2, 2);
    p.drawEllipse(end, 1.4, 1.4);
    p.setBrush(Qt::NoBrush);
    p.setPen(Pen(kBlue, 1.1));
    p.drawArc(QRectF(shaft.x() - 11, shaft.y() - 11, 22, 22), 12 * 16, 66 * 16);
    ArrowHead(p, QPointF(14.8, 9.6), -80, kBlue, 2.8);
    ArrowHead(p, QPointF(8.1, 1.6), 160, kBlue, 2.8);
}

void MidGear(QPainter& p) {
    // Two arrows meeting at the centre line.
    p.setPen(QPen(kInk, 1, Qt::DashLine));
    p.drawLine(QPointF(8, 1), QPointF(8, 15));
    p.setPen(Pen(kRed, 1.6));
    p.drawLine(QPointF(1, 8), QPointF(5, 8));
    p.drawLine(QPointF(11, 8), QPointF(15, 8));
    ArrowHead(p, QPointF(7, 8), 0, kRed, 3.2);
    ArrowHead(p, QPointF(9, 8), 180, kRed, 3.2);
}

void SteamDisplay(QPainter& p) {
    // A chimney with a plume of steam.
    p.setPen(Pen(kInk, 1));
    p.setBrush(QColor(60, 60, 60));
    p.drawRect(QRectF(5, 11, 6, 4));
    p.setBrush(QColor(235, 235, 245));
    p.setPen(Pen(QColor(120, 120, 150), 0.9));
    p.drawEllipse(QPointF(8, 8.5), 2.8, 2.2);
    p.drawEllipse(QPointF(10.5, 5.5), 3.2, 2.6);
    p.drawEllipse(QPointF(6, 3.5), 3, 2.4);
    p.setBrush(kRed);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(13.5, 13), 1.4, 1.4);
    p.setBrush(kBlue);
    p.drawEllipse(QPointF(2.5, 13), 1.4, 1.4);
    p.setBrush(Qt::NoBrush);
}

void Cross(QPainter& p, QPointF at, const QColor& c) {
    p.setPen(Pen(c, 1.3));
    p.drawLine(QPointF(at.x() - 3.5, at.y()), QPointF(at.x() + 3.5, at.y()));
    p.drawLine(QPointF(at.x(), at.y() - 3.5), QPointF(at.x(), at.y() + 3.5));
}

void ReferencePoints(QPainter& p) {
    // Two reference crosses and the distance between them.
    p.setPen(QPen(kInk, 1, Qt::DotLine));
    p.drawLine(QPointF(4.5, 11.5), QPointF(11.5, 4.5));
    Cross(p, QPointF(4.5, 11.5), kRed);
    Cross(p, QPointF(11.5, 4.5), kBlue);
}

void LinesAndCircles(QPainter& p) {
    p.setPen(Pen(kBlue, 1.4));
    p.drawEllipse(QPointF(10, 6), 4.5, 4.5);
    p.setPen(Pen(kRed, 1.6));
    p.drawLine(QPointF(1, 14.5), QPointF(12, 3.5));
    p.setPen(Pen(kGreen, 1.4));
    p.drawLine(QPointF(1, 12), QPointF(15, 12));
}

void PivotData(QPainter& p) {
    // Three pivots joined by links, one of them tagged, over a short list.
    const QPointF a(2.5, 9), b(8, 3.5), c(13.5, 8);
    p.setPen(Pen(kSteel, 1.6));
    p.drawLine(a, b);
    p.drawLine(b, c);
    p.setPen(Pen(kInk, 1));
    p.setBrush(Qt::white);
    for (QPointF q : {a, b, c}) p.drawEllipse(q, 1.7, 1.7);
    p.setBrush(Qt::NoBrush);
    p.setPen(Pen(kRed, 1));
    for (int row = 0; row < 2; ++row) {
        const qreal y = 12 + 2.5 * row;
        p.drawLine(QPointF(1.5, y), QPointF(3, y));
        p.setPen(Pen(kInk, 1));
        p.drawLine(QPointF(5, y), QPointF(14.5, y));
        p.setPen(Pen(kRed, 1));
    }
}

void DynamicVariables(QPainter& p) {
    // Two small scroll bars with their arrows and a plus and minus.
    for (int row = 0; row < 2; ++row) {
        const qreal y = 4 + 7 * row;
        p.setPen(Pen(kInk, 0.9));
        p.setBrush(QColor(225, 225, 225));
        p.drawRect(QRectF(1.5, y - 2.5, 13, 5));
        p.setBrush(kSteel);
        p.drawRect(QRectF(row == 0 ? 9 : 5, y - 1.8, 2.5, 3.6));
        p.setBrush(Qt::NoBrush);
        ArrowHead(p, QPointF(2.3, y), 180, kInk, 2.2);
        ArrowHead(p, QPointF(13.7, y), 0, kInk, 2.2);
    }
    p.setPen(Pen(kRed, 1.3));
    p.drawLine(QPointF(6.5, 15), QPointF(9.5, 15));
    p.drawLine(QPointF(8, 13.5), QPointF(8, 16));
}

void Undo(QPainter& p) {
    // An arrow curving back to the left.
    p.setPen(Pen(kBlue, 1.8));
    QPainterPath path;
    path.moveTo(13.5, 13);
    path.cubicTo(15, 7, 11, 4.5, 7, 5);
    path.lineTo(5, 5);
    p.drawPath(path);
    ArrowHead(p, QPointF(1.5, 5), 180, kBlue, 4.2);
}

void SineDiagram(QPainter& p) {
    DiagramAxes(p, 8);
    p.setPen(Pen(kRed, 1.4));
    QPainterPath path;
    for (int i = 0; i <= 26; ++i) {
        const qreal x = 2 + 13.0 * i / 26;
        const qreal y = 8 - 5.5 * std::sin(2 * qreal(kPi) * i / 26);
        if (i == 0)
            path.moveTo(x, y);
        else
            path.lineTo(x, y);
    }
    p.drawPath(path);
}

void OvalDiagram(QPainter& p) {
    DiagramAxes(p, 8);
    p.setPen(Pen(kBlue, 1.4));
    p.save();
    p.translate(9, 8);
    p.rotate(-20);
    p.drawEllipse(QPointF(0, 0), 6, 3.5);
    p.restore();
}

void SteamDiagram(QPainter& p) {
    // An indicator card: admission, expansion curve, release, exhaust line.
    DiagramAxes(p, 14);
    p.setPen(Pen(kRed, 1.4));
    QPainterPath card;
    card.moveTo(3.5, 12);
    card.lineTo(3.5, 2.5);
    card.lineTo(7, 2.5);
    card.cubicTo(9, 6.5, 12, 8.5, 14.5, 9.5);
    card.lineTo(14.5, 12);
    card.closeSubpath();
    p.drawPath(card);
}

void PortEvents(QPainter& p) {
    // The events of both ends against the reverse-arm position: two crossing curves.
    DiagramAxes(p, 14);
    p.setPen(Pen(kRed, 1.4));
    p.drawLine(QPointF(3, 3), QPointF(14.5, 12));
    p.setPen(Pen(kBlue, 1.4));
    p.drawLine(QPointF(3, 12), QPointF(14.5, 3));
    p.setPen(Pen(kInk, 0.8));
    p.drawLine(QPointF(8.75, 2), QPointF(8.75, 14));
}

void ValveEvents(QPainter& p) {
    // A small table with a header row and a front and a rear column picked out.
    p.setPen(Pen(kInk, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 2.5, 13, 11));
    p.setBrush(QColor(200, 205, 215));
    p.drawRect(QRectF(1.5, 2.5, 13, 3));
    p.setBrush(Qt::NoBrush);
    for (qreal y : {8.5, 11.0}) p.drawLine(QPointF(1.5, y), QPointF(14.5, y));
    p.drawLine(QPointF(5.5, 2.5), QPointF(5.5, 13.5));
    p.setPen(Pen(kRed, 1.4));
    p.drawLine(QPointF(8, 7), QPointF(8, 12.5));
    p.setPen(Pen(kBlue, 1.4));
    p.drawLine(QPointF(11.5, 7), QPointF(11.5, 12.5));
}

}  // namespace

QIcon MakeToolIcon(ToolPicture picture) {
    switch (picture) {
        case ToolPicture::OpenFile: return Draw(OpenFile);
        case ToolPicture::SaveFile: return Draw(SaveFile);
        case ToolPicture::FrameDimensions: return Draw(FrameDimensions);
        case ToolPicture::CylinderDimensions: return Draw(CylinderDimensions);
        case ToolPicture::DriverAngle: return Draw(DriverAngle);
        case ToolPicture::StepAngle: return Draw(StepAngle);
        case ToolPicture::ReverseArm: return Draw(ReverseArm);
        case ToolPicture::MidGear: return Draw(MidGear);
        case ToolPicture::SteamDisplay: return Draw(SteamDisplay);
        case ToolPicture::ReferencePoints: return Draw(ReferencePoints);
        case ToolPicture::LinesAndCircles: return Draw(LinesAndCircles);
        case ToolPicture::PivotData: return Draw(PivotData);
        case ToolPicture::DynamicVariables: return Draw(DynamicVariables);
        case ToolPicture::Undo: return Draw(Undo);
        case ToolPicture::SineDiagram: return Draw(SineDiagram);
        case ToolPicture::OvalDiagram: return Draw(OvalDiagram);
        case ToolPicture::SteamDiagram: return Draw(SteamDiagram);
        case ToolPicture::PortEvents: return Draw(PortEvents);
        case ToolPicture::ValveEvents: return Draw(ValveEvents);
    }
    return {};
}

QIcon MakeErrorIcon() {
    return Draw([](QPainter& p) {
        QPolygonF triangle{{8, 1}, {15.2, 14.5}, {0.8, 14.5}};
        p.setPen(Pen(kRed, 1.6));
        p.setBrush(kYellow);
        p.drawPolygon(triangle);
        p.setPen(Pen(kInk, 2));
        p.drawLine(QPointF(8, 5.5), QPointF(8, 9.8));
        p.setPen(Qt::NoPen);
        p.setBrush(kInk);
        p.drawEllipse(QPointF(8, 12.2), 1.1, 1.1);
    });
}

}  // namespace lm
