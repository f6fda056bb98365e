#pragma once

#include <array>

// Element and attribute names of page files. Names are case-sensitive, so each
// constant is spelt exactly as the text it stands for (a "." dropped), which
// keeps pairs such as "type"/"Type" and "tag"/"Tag" apart.
namespace page::names {

// Document shape. The player takes child 0 as the settings whatever its name.
inline constexpr const char *data = "data";
inline constexpr const char *setting = "setting";

// Object elements.
inline constexpr const char *Button = "Button";
inline constexpr const char *Label = "Label";
inline constexpr const char *OButton = "OButton";
inline constexpr const char *Switch = "Switch";
inline constexpr const char *TrackBar = "TrackBar";
inline constexpr const char *CheckBox = "CheckBox";
inline constexpr const char *ProgressBar = "ProgressBar";
inline constexpr const char *Edit = "Edit";
inline constexpr const char *ListBox = "ListBox";
inline constexpr const char *SpinBox = "SpinBox";
inline constexpr const char *CalendarEdit = "CalendarEdit";
inline constexpr const char *Timer = "Timer";
inline constexpr const char *Web = "Web";
inline constexpr const char *Event = "Event";
inline constexpr const char *Player = "Player";
inline constexpr const char *richRect = "richRect";
inline constexpr const char *richSwitch = "richSwitch";

// Children of a Button: its background picture; its caption is a Label.
inline constexpr const char *BG = "BG";

// Page events in slot order: an event's index is its position here.
inline constexpr std::array<const char *, 8> pageEvents = {
    "onLoad", "onClose", "onUDP", "onOnline", "onOffline", "onBackGround", "onActived", "onOrient",
};

namespace attr {

// Root element.
inline constexpr const char *copyright = "copyright";
inline constexpr const char *Company = "Company";
inline constexpr const char *Version = "Version";

// Settings element.
inline constexpr const char *src = "src";
inline constexpr const char *Width = "Width";
inline constexpr const char *Height = "Height";
inline constexpr const char *Host = "Host";
inline constexpr const char *Stretch = "Stretch";
inline constexpr const char *BGAlpha = "BG.Alpha";
inline constexpr const char *FillBlankBG = "FillBlankBG";
inline constexpr const char *FlashStyle = "FlashStyle";
inline constexpr const char *tag = "tag";
inline constexpr const char *ClickSound = "ClickSound";
inline constexpr const char *Color = "Color";
inline constexpr const char *Color1 = "Color1";
inline constexpr const char *count = "count";
inline constexpr const char *BuildSDK = "BuildSDK";
inline constexpr const char *date = "date";

// Objects in general.
inline constexpr const char *Name = "Name";
inline constexpr const char *Text = "Text";
inline constexpr const char *X = "X";
inline constexpr const char *Y = "Y";
inline constexpr const char *Size = "Size";
inline constexpr const char *Family = "Family";
inline constexpr const char *Pos = "Pos";
inline constexpr const char *Angle = "Angle";
inline constexpr const char *Task = "Task";

// Image objects.
inline constexpr const char *Alpha = "Alpha";
inline constexpr const char *Alpha2 = "Alpha2";
inline constexpr const char *type = "type";
inline constexpr const char *Tag = "Tag";
inline constexpr const char *iAngle = "iAngle";
inline constexpr const char *RichEfect = "RichEfect";
inline constexpr const char *MaxAngel = "MaxAngel";
inline constexpr const char *value = "value";

// Action attributes. The object's press style is "FlashSytle", unlike the
// settings' "FlashStyle"; both spellings are what the files carry.
inline constexpr const char *isMutiTask = "isMutiTask";
inline constexpr const char *NextUI = "NextUI";
inline constexpr const char *LocTask = "LocTask";
inline constexpr const char *FlashSytle = "FlashSytle";
inline constexpr const char *onDown = "onDown";
inline constexpr const char *onMemo = "onMemo";
inline constexpr const char *onChange = "onChange";

// Standard objects.
inline constexpr const char *RepeatClick = "RepeatClick";
inline constexpr const char *isPassword = "isPassword";
inline constexpr const char *NoBG = "NoBG";
inline constexpr const char *Interval = "Interval";
inline constexpr const char *url = "url";
inline constexpr const char *Align = "Align";
inline constexpr const char *Type = "Type";
inline constexpr const char *AutoPlay = "AutoPlay";

// Rich objects.
inline constexpr const char *Round = "Round";
inline constexpr const char *Color2 = "Color2";
inline constexpr const char *Color3 = "Color3";
inline constexpr const char *Color4 = "Color4";
inline constexpr const char *bdSize = "bdSize";
inline constexpr const char *Sides = "Sides";
inline constexpr const char *Soft = "Soft";
inline constexpr const char *txtColor = "txtColor";
inline constexpr const char *isPressed = "isPressed";

// The designer's deletion marker between edits; never in files for the player.
inline constexpr const char *Del = "Del";

} // namespace attr
} // namespace page::names
