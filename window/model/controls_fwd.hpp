#pragma once

// The control classes by name alone, for the headers that only pass them by reference.
namespace tarvel {

class Control;
class PushButton;
class TextField;
class ComboBox;
class CheckBox;
class Label;
class Line;
class Shape;
class Timer;

}  // namespace tarvel
