#include "ColourScheme.h"

#include "platform/drawing/Bitmap.h"

namespace vesk::editor {

ColourScheme ColourScheme::Read(IAudioEditorColors& colors) {
    ColourScheme scheme;
    colors.get_Background(&scheme.background);
    colors.get_DigitalWaveform(&scheme.waveform);
    colors.get_SelectBackground(&scheme.selectBackground);
    colors.get_SelectDigitalWaveform(&scheme.selectWaveform);
    colors.get_CenterLine(&scheme.centerLine);
    colors.get_SelectCenterLine(&scheme.selectCenterLine);
    colors.get_Scales(&scheme.scales);
    colors.get_Font(&scheme.font);
    colors.get_Grid(&scheme.grid);
    return scheme;
}

ColourScheme ColourScheme::Light() {
    return {Rgb(255, 255, 255), Rgb(20, 60, 160),   Rgb(200, 215, 245), Rgb(10, 30, 110), Rgb(150, 150, 150),
            Rgb(90, 90, 140),   Rgb(235, 235, 235), Rgb(30, 30, 30),    Rgb(210, 210, 210)};
}

void ColourScheme::Apply(IAudioEditorColors& colors) const {
    colors.put_Background(background);
    colors.put_DigitalWaveform(waveform);
    colors.put_SelectBackground(selectBackground);
    colors.put_SelectDigitalWaveform(selectWaveform);
    colors.put_CenterLine(centerLine);
    colors.put_SelectCenterLine(selectCenterLine);
    colors.put_Scales(scales);
    colors.put_Font(font);
    colors.put_Grid(grid);
}

}  // namespace vesk::editor
