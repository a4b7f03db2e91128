#pragma once

class QWidget;
struct ControlRow;

// Makes the control of the row with all its properties applied, as a child of parent. Its events
// are bound afterwards, so applying the properties reaches no handler.
QWidget* MakeControl(const ControlRow& row, QWidget* parent);
