-- Start-up script of the shipped data. It runs in the global script state
-- after the user configuration and the command line have been read and
-- before the display opens; sendMsg, setParam, getParam, file_include and
-- file_exists are available here.

-- The languages this data set is written in; pictures and menus are
-- localised under these codes (title__cs.png).
local LANGUAGES = {en = true, cs = true}

-- A language taken from the locale carries the country and encoding
-- ("cs_CZ", "cs_CZ.UTF-8"), but the localised files are named by the
-- language alone, so such a code is cut down to its language when the
-- data set knows that language. A code chosen in the options menu is
-- already short and stays as it is.
local function shortLanguage(code)
    if type(code) ~= "string" then
        return nil
    end
    local lang = string.match(code, "^(%a%a)[_.@]")
    if lang then
        lang = string.lower(lang)
        if LANGUAGES[lang] then
            return lang
        end
    end
    return nil
end

local lang = shortLanguage(getParam("lang"))
if lang then
    setParam("lang", lang)
end
local speech = shortLanguage(getParam("speech"))
if speech then
    setParam("speech", speech)
end
