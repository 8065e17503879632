#pragma once

namespace kalvex::conversion_ids {

// Control ids of the conversion and temperature windows.
inline constexpr int kInputEdit = 306;
inline constexpr int kInitialCaption = 210;
inline constexpr int kInitialInCaption = 211;
inline constexpr int kEquivalentCaption = 212;
inline constexpr int kFirstUnitRadio = 8001;
inline constexpr int kUnitList = 1001;
inline constexpr int kFirstSymbol = 8101;
inline constexpr int kFirstResult = 8201;
inline constexpr int kSlider = 111;
inline constexpr int kSliderLowImage = 200;
inline constexpr int kSliderHighImage = 201;
inline constexpr int kDigitsButton = 160;
inline constexpr int kScientificCheck = 161;
inline constexpr int kCancelButton = 2;
inline constexpr int kCopyButton = 40;
inline constexpr int kPasteButton = 41;
inline constexpr int kFactorsButton = 712;
inline constexpr int kHelpButton = 710;
inline constexpr int kFirstFrame = 7500;

// Temperature results, by scale.
inline constexpr int kFahrenheitResult = 112;
inline constexpr int kCelsiusResult = 113;
inline constexpr int kRankineResult = 114;
inline constexpr int kKelvinResult = 115;

// Image numbers of the slider's end decorations and the disabled Paste button.
inline constexpr int kSliderLowImageNumber = 8614;
inline constexpr int kSliderHighImageNumber = 8514;
inline constexpr int kPasteDisabledImage = 7041;
// The Cancel button draws the images of 701.
inline constexpr int kCancelImageBase = 701;

// Help topics.
inline constexpr int kTopicInput = 17001;
inline constexpr int kTopicInitialUnit = 17002;
inline constexpr int kTopicResults = 17003;
inline constexpr int kTopicSlider = 17004;
inline constexpr int kTopicCopy = 17005;
inline constexpr int kTopicPaste = 17006;
inline constexpr int kTopicFactors = 17007;
inline constexpr int kTopicScientific = 17008;
inline constexpr int kTopicDigits = 17009;
inline constexpr int kTopicUnitList = 17010;

} // namespace kalvex::conversion_ids
