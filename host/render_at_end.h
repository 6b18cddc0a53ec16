// CRenderAtEnd: the --render FILE.png option of a host program. When the
// script runs out, the window the user would be looking at (the topmost
// modal dialog, else the sheet) is drawn into FILE.png, before the end of
// the script closes the sheet.
#pragma once

#include <ostream>
#include <string>

class CScriptDriver;

class CRenderAtEnd {
public:
    // Draws nothing when path is empty. program names the program in the
    // messages on err ("tovik: --render: ...").
    CRenderAtEnd(CScriptDriver& driver, std::string path, std::string program, std::ostream& err);
    // The driver keeps a call back to this object.
    CRenderAtEnd(const CRenderAtEnd&) = delete;
    CRenderAtEnd& operator=(const CRenderAtEnd&) = delete;

    // After the run: TOVIK_EXIT_OK when no picture was asked for or it was
    // written, else TOVIK_EXIT_RENDER, once it has said why (a script that
    // closed the sheet itself left nothing to draw).
    int Status() const;

private:
    enum class Picture { NotDrawn, Written, Failed };

    std::string m_strPath;
    std::string m_strProgram;
    std::ostream& m_err;
    Picture m_picture = Picture::NotDrawn;
};
