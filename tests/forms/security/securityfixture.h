// The security forms' tests: the feature-form fixture, a screenshot of a form as its operator
// sees it, and rows found by caption.
#pragma once

#include <QDir>
#include <cstdlib>

#include "tests/forms/formfixture.h"

class SecurityFormTest : public FeatureFormTest {
protected:
    // build/screenshots/<name>.png
    static void Screenshot(TForm* f, const char* name)
    {
        const char* buildDir = std::getenv("VRX_BUILD_DIR");
        const QString dirName = QString(buildDir && *buildDir ? buildDir : VRX_BUILD_DIR) + "/screenshots";
        ASSERT_TRUE(QDir().mkpath(dirName));
        EXPECT_TRUE(f->grab().save(dirName + "/" + name + ".png", "PNG"));
    }
    static int RowOf(TListView* lv, const std::string& caption)
    {
        for (int i = 0; i < lv->Items()->Count(); ++i)
            if (lv->Items()->Item(i)->Caption().std() == caption) return i;
        return -1;
    }
    // Selects the row of that caption as the operator's click does.
    static void ClickCaption(TListView* lv, const std::string& caption)
    {
        const int i = RowOf(lv, caption);
        ASSERT_GE(i, 0) << caption;
        ClickRow(lv, i);
    }
    std::vector<std::string> Texts() const
    {
        std::vector<std::string> out;
        for (const auto& b : boxes.Boxes()) out.push_back(b.text);
        return out;
    }
};
