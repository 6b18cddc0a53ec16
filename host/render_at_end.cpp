// The --render option: the picture is drawn from the script driver's end-of-script call.
#include "render_at_end.h"

#include <utility>

#include "picture.h"
#include "script_driver.h"
#include "tovik_options.h"

CRenderAtEnd::CRenderAtEnd(CScriptDriver& driver, std::string path, std::string program, std::ostream& err)
    : m_strPath(std::move(path)), m_strProgram(std::move(program)), m_err(err) {
    if (m_strPath.empty()) return;
    driver.AtEndOfScript([this](HWND hWndActive) {
        std::string error;
        m_picture = RenderWindowToPng(hWndActive, m_strPath, error) ? Picture::Written : Picture::Failed;
        if (m_picture == Picture::Failed) m_err << m_strProgram << ": --render: " << error << '\n';
    });
}

int CRenderAtEnd::Status() const {
    if (m_strPath.empty() || m_picture == Picture::Written) return TOVIK_EXIT_OK;
    if (m_picture == Picture::NotDrawn) {
        m_err << m_strProgram << ": --render: the script closed the sheet itself: nothing to draw\n";
    }
    return TOVIK_EXIT_RENDER;
}
