// Logical fonts: creation, and the measuring calls (metrics, extents, face name).
#include <algorithm>
#include <cstring>

#include "text_paint.h"

namespace ulmaro::platform::detail {

Font* fontOf(Dc& dc) { return lookupFont(asHandle(dc.font)); }

FontFace* faceOf(Dc& dc) {
    Font* f = fontOf(dc);
    if (!f) return nullptr;
    if (!f->impl) f->impl = FontFace::forLogFont(f->lf);
    return static_cast<FontFace*>(f->impl.get());
}

int quarterTurns(LONG escapement) {
    long e = escapement % 3600;
    if (e < 0) e += 3600;
    return static_cast<int>(((e + 450) / 900) % 4);
}

}  // namespace ulmaro::platform::detail

namespace ulmaro::platform {

using namespace detail;

HFONT CreateFontIndirectA(const LOGFONTA* lplf) {
    if (!lplf) return nullptr;
    auto f = std::make_unique<Font>();
    f->lf = *lplf;
    f->lf.lfFaceName[LF_FACESIZE - 1] = '\0';
    return reinterpret_cast<HFONT>(static_cast<std::uintptr_t>(addObject(std::move(f))));
}

HFONT CreateFontA(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight, DWORD bItalic,
                  DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet, DWORD iOutPrecision, DWORD iClipPrecision,
                  DWORD iQuality, DWORD iPitchAndFamily, LPCSTR pszFaceName) {
    LOGFONTA lf{};
    lf.lfHeight = cHeight;
    lf.lfWidth = cWidth;
    lf.lfEscapement = cEscapement;
    lf.lfOrientation = cOrientation;
    lf.lfWeight = cWeight;
    lf.lfItalic = static_cast<BYTE>(bItalic);
    lf.lfUnderline = static_cast<BYTE>(bUnderline);
    lf.lfStrikeOut = static_cast<BYTE>(bStrikeOut);
    lf.lfCharSet = static_cast<BYTE>(iCharSet);
    lf.lfOutPrecision = static_cast<BYTE>(iOutPrecision);
    lf.lfClipPrecision = static_cast<BYTE>(iClipPrecision);
    lf.lfQuality = static_cast<BYTE>(iQuality);
    lf.lfPitchAndFamily = static_cast<BYTE>(iPitchAndFamily);
    if (pszFaceName) std::strncpy(lf.lfFaceName, pszFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectA(&lf);
}

BOOL GetTextMetricsA(HDC hdc, TEXTMETRICA* lptm) {
    Dc* dc = lookupDc(hdc);
    if (!dc || !lptm) return FALSE;
    FontFace* face = faceOf(*dc);
    if (!face) return FALSE;
    const LOGFONTA& lf = fontOf(*dc)->lf;
    *lptm = face->metrics();
    lptm->tmItalic = lf.lfItalic ? 255 : 0;
    lptm->tmUnderlined = lf.lfUnderline ? 255 : 0;
    lptm->tmStruckOut = lf.lfStrikeOut ? 255 : 0;
    return TRUE;
}

// The advances of the characters added up: the string is measured as it is, so `&` is
// a character like any other.
BOOL GetTextExtentPoint32A(HDC hdc, LPCSTR lpString, int c, LPSIZE psizl) {
    Dc* dc = lookupDc(hdc);
    if (!dc || !psizl || c < 0 || (!lpString && c > 0)) return FALSE;
    FontFace* face = faceOf(*dc);
    if (!face) return FALSE;
    psizl->cx = c > 0 ? face->width(std::string_view(lpString, static_cast<std::size_t>(c))) : 0;
    psizl->cy = face->metrics().tmHeight;
    return TRUE;
}

// With lpnFit, it receives how many characters fit in nMaxExtent (all of them when the
// maximum is negative), and lpnDx only the extents of those: each the extent of the string
// up to and including that character. Without lpnFit every extent is given.
BOOL GetTextExtentExPointA(HDC hdc, LPCSTR lpszString, int cchString, int nMaxExtent, LPINT lpnFit, LPINT lpnDx,
                           LPSIZE lpSize) {
    Dc* dc = lookupDc(hdc);
    if (!dc || cchString < 0 || (!lpszString && cchString > 0)) return FALSE;
    FontFace* face = faceOf(*dc);
    if (!face) return FALSE;
    int x = 0, fit = 0;
    for (int i = 0; i < cchString; ++i) {
        x += face->advance(static_cast<unsigned char>(lpszString[i]));
        const bool fits = fit == i && (nMaxExtent < 0 || x <= nMaxExtent);
        if (fits) fit = i + 1;
        if (lpnDx && (fits || !lpnFit)) lpnDx[i] = x;
    }
    if (lpnFit) *lpnFit = fit;
    if (lpSize) *lpSize = SIZE{x, face->metrics().tmHeight};
    return TRUE;
}

// The advance of each character from iFirst to iLast.
BOOL GetCharWidth32A(HDC hdc, UINT iFirst, UINT iLast, LPINT lpBuffer) {
    Dc* dc = lookupDc(hdc);
    if (!dc || !lpBuffer || iFirst > iLast || iLast > 0xFF) return FALSE;
    FontFace* face = faceOf(*dc);
    if (!face) return FALSE;
    for (UINT c = iFirst; c <= iLast; ++c) lpBuffer[c - iFirst] = face->advance(static_cast<unsigned char>(c));
    return TRUE;
}

// Copies the name with its terminating NUL, cut to the buffer; returns what was copied,
// or, without a buffer, the length the name needs.
int GetTextFaceA(HDC hdc, int c, LPSTR lpName) {
    Dc* dc = lookupDc(hdc);
    if (!dc) return 0;
    FontFace* face = faceOf(*dc);
    if (!face) return 0;
    const std::string& name = face->name();
    int need = static_cast<int>(name.size()) + 1;
    if (!lpName) return need;
    if (c <= 0) return 0;
    int n = std::min(c - 1, need - 1);
    std::memcpy(lpName, name.data(), static_cast<std::size_t>(n));
    lpName[n] = '\0';
    return n + 1;
}

}  // namespace ulmaro::platform
