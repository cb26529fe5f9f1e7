#pragma once

#include "body_colors.h"

#include <optional>

// The page's body colours: the light set, and the dark scheme's set when there is one.
// One of them is shown; the preview, the editor, the copies of the shown set and the
// legibility check work on that one.
class ColorSets {
public:
    explicit ColorSets(const BodyColorSet& light = {})
        : m_light(light)
    {
    }

    const BodyColorSet& shown() const { return m_darkShown ? *m_dark : m_light; }
    BodyColorSet& shown() { return m_darkShown ? *m_dark : m_light; }
    ColorSetKind shownKind() const
    {
        return m_darkShown ? ColorSetKind::Dark : ColorSetKind::Light;
    }
    bool darkShown() const { return m_darkShown; }

    const BodyColorSet& light() const { return m_light; }
    const std::optional<BodyColorSet>& dark() const { return m_dark; }
    bool hasDark() const { return m_dark.has_value(); }

    void setLight(const BodyColorSet& colors) { m_light = colors; }
    // Without a dark set the light one is shown.
    void setDark(const std::optional<BodyColorSet>& colors)
    {
        m_dark = colors;
        m_darkShown = m_darkShown && m_dark;
    }
    // Showing the dark set needs one.
    void show(ColorSetKind kind) { m_darkShown = kind == ColorSetKind::Dark && m_dark; }

private:
    BodyColorSet m_light;
    std::optional<BodyColorSet> m_dark;
    bool m_darkShown = false;
};
