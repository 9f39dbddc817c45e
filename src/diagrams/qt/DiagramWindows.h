// The sine, oval, steam and port diagram windows.

#pragma once

#include "diagrams/qt/DiagramWindow.h"

namespace lm {

// The four diagram windows: each its diagram, names and menu on the shared frame.

// Valve travel against driver angle.
class SineDia : public DiagramWindow {
public:
    SineDia(Model& model, DiagramHost host, QWidget* parent = nullptr);

protected:
    bool DrawDiagram(const Model& m, Canvas& canvas) const override;
};

// Valve travel against piston travel.
class OvalDia : public DiagramWindow {
public:
    OvalDia(Model& model, DiagramHost host, QWidget* parent = nullptr);

protected:
    bool DrawDiagram(const Model& m, Canvas& canvas) const override;
};

// The simulated indicator diagram of both cylinder ends.
class SteamDia : public DiagramWindow {
public:
    SteamDia(Model& model, DiagramHost host, QWidget* parent = nullptr);

protected:
    bool DrawDiagram(const Model& m, Canvas& canvas) const override;
};

// The valve events over the reverse-arm travel: forward, reverse or both graphs.
class PortDia : public DiagramWindow {
public:
    PortDia(Model& model, DiagramHost host, QWidget* parent = nullptr);

    void ForwardGraph1Click();
    void ReverseGraph1Click();
    void BothGraphs1Click();

protected:
    void StepDiagram(Model& m) const override { StepPortDiagram(m); }
    bool DrawDiagram(const Model& m, Canvas& canvas) const override;
    // While both graphs are chosen every drawing is the pair: forward with its cycle
    // annotation, then reverse over it.
    void Drawing(bool clearFirst) override;
};

}  // namespace lm
