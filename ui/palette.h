// The window's colours, each named once: green and white text on black, the
// information panel's dark text on light grey, the grey of frames and of
// captions that cannot be used just now, the yellow focus ring, the closed
// tick boxes and the amber of a race that is typed but not picked. Every
// control takes its colours from here.
#pragma once

#include <QRgb>

namespace cindral {

inline constexpr QRgb kBlack = qRgb(0, 0, 0);             // behind everything, and the panel's text
inline constexpr QRgb kGreen = qRgb(0, 255, 0);           // text, and the frames' titles
inline constexpr QRgb kWhite = qRgb(255, 255, 255);       // the counters Traits Left and Tags Left
inline constexpr QRgb kLightGrey = qRgb(192, 192, 192);   // the panel, and the title "Information"
inline constexpr QRgb kMiddleGrey = qRgb(128, 128, 128);  // the frames' edges, a caption of a closed box
inline constexpr QRgb kFocusYellow = qRgb(255, 255, 0);   // the ring round the focused control

// A tick box that cannot be ticked: a dark grey square without a face, its
// edge and its tick a lighter grey.
inline constexpr QRgb kClosedSquare = qRgb(64, 64, 64);
inline constexpr QRgb kClosedEdge = qRgb(112, 112, 112);
inline constexpr QRgb kClosedTick = qRgb(160, 160, 160);

// The race box while its text is typed and not applied: dark red on amber.
inline constexpr QRgb kTypedRaceAmber = qRgb(255, 224, 160);
inline constexpr QRgb kTypedRaceText = qRgb(128, 0, 0);

}  // namespace cindral
