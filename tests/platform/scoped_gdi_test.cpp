// Guards undo what they did, in reverse order, on scope exit.
#include <ulmaro/platform/scoped_gdi.h>

#include <gtest/gtest.h>

using namespace ulmaro::platform;

TEST(ScopedGdi, SelectionIsUndoneBeforeTheObjectIsDeleted) {
    HGDIOBJ brush = nullptr;
    HBITMAP bmp = nullptr;
    {
        MemoryDC dc(nullptr);
        ASSERT_NE(dc.get(), nullptr);
        HGDIOBJ originalBrush = GetCurrentObject(dc, OBJ_BRUSH);
        {
            ScopedBrush red(CreateSolidBrush(RGB(255, 0, 0)));
            brush = red.get();
            SelectedObject in(dc, red);
            EXPECT_EQ(in.previous(), originalBrush);
            EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
        }
        EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), originalBrush);
        EXPECT_EQ(GetObjectType(brush), 0u);  // deleted, not left selected
        ScopedBitmap kept(CreateCompatibleBitmap(dc, 4, 4));
        bmp = kept.release();
    }
    EXPECT_EQ(GetObjectType(bmp), OBJ_BITMAP);  // released: the caller owns it now
    DeleteObject(bmp);
}
