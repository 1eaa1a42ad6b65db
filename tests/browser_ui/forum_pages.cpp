#include "forum_pages.h"

using namespace Qt::StringLiterals;

namespace quillbox::test {

namespace {

// phpBB 2: a search form first, then the posting form, where buttons and a colour list come
// before the message box. The select list is not counted: the text area is field 3.
const char phpbb2[] = R"html(<html><head><title>Forum :: Post a reply</title></head>
<body bgcolor="#E5E5E5" text="#000000">
<table width="100%"><tr><td><form action="search.php" method="post"><input type="text" name="search_keywords" size="20"> <input type="submit" value="Search"></form></td></tr></table>
<form action="posting.php" method="post" name="post" onsubmit="return checkForm(this)">
<table class="forumline" width="100%">
<tr><td class="row1"><span class="gen"><b>Subject</b></span></td><td class="row2"><input type="text" name="subject" size="45" maxlength="60" class="post" tabindex="2" value="Re: Hello"></td></tr>
<tr><td class="row1"><span class="gen"><b>Message body</b></span></td><td class="row2"><table><tr><td>
<input type="button" class="button" accesskey="b" name="addbbcode0" value=" B " style="font-weight:bold; width: 30px" onClick="bbstyle(0)">
<input type="button" class="button" accesskey="i" name="addbbcode2" value=" i " onClick="bbstyle(2)">
<select name="addbbcode18" onChange="bbfontstyle('[color=' + this.form.addbbcode18.options[this.form.addbbcode18.selectedIndex].value + ']', '[/color]')"><option value="#444444">Default</option><option value="darkred">Dark Red</option></select>
</td></tr><tr><td><textarea name="message" rows="15" cols="35" wrap="virtual" style="width:450px" tabindex="3" class="post" onselect="storeCaret(this);" onclick="storeCaret(this);" onkeyup="storeCaret(this);"></textarea></td></tr></table></td></tr>
<tr><td class="row1"><input type="checkbox" name="disable_html"> Disable HTML</td></tr>
<tr><td class="catBottom" colspan="2" align="center"><input type="hidden" name="sid" value="abc"><input type="hidden" name="mode" value="reply"><input type="hidden" name="t" value="12"><input type="submit" tabindex="5" name="preview" class="mainoption" value="Preview">&nbsp;<input type="submit" accesskey="s" tabindex="6" name="post" class="mainoption" value="Submit"></td></tr>
</table></form></body></html>)html";

// phpBB 3 (prosilver): a search box in the header; the format buttons are button tags.
const char phpbb3[] =
    R"html(<!DOCTYPE html><html dir="ltr" lang="en-gb"><head><meta charset="utf-8"><title>Post a reply - Board</title></head>
<body id="phpbb" class="nojs notouch section-posting ltr"><div id="wrap" class="wrap">
<div class="headerbar"><div class="search-header"><form action="./search.php" method="get" id="search"><fieldset><input name="keywords" id="keywords" type="search" maxlength="128" title="Search for keywords" class="inputbox search tiny" size="20" value="" placeholder="Search"><button class="button button-search" type="submit" title="Search">Search</button><input type="hidden" name="sid" value="x"></fieldset></form></div></div>
<form id="postform" method="post" action="./posting.php?mode=reply&amp;t=3" enctype="multipart/form-data">
<div class="panel" id="postingbox"><div class="inner"><h3>Post a reply</h3><fieldset class="fields1">
<dl style="clear: left;"><dt><label for="subject">Subject:</label></dt><dd><input type="text" name="subject" id="subject" size="45" maxlength="124" tabindex="2" value="Re: Welcome" class="inputbox autowidth"></dd></dl>
<div id="format-buttons"><button type="button" class="button button-icon-only bbcode-b" accesskey="b" name="addbbcode0" value="B" onclick="bbstyle(0)" title="Bold text: [b]text[/b]">B</button>
<select name="addbbcode20" class="bbcode-size" onchange="bbfontstyle('[size=' + this.form.addbbcode20.options[this.form.addbbcode20.selectedIndex].value + ']', '[/size]');"><option value="50">Tiny</option><option value="100" selected>Normal</option></select></div>
<div id="message-box" class="message-box"><textarea name="message" id="message" rows="15" cols="76" tabindex="4" onselect="storeCaret(this);" onclick="storeCaret(this);" onkeyup="storeCaret(this);" onfocus="initInsertions();" class="inputbox"></textarea></div>
</fieldset></div></div>
<div class="panel bg2"><fieldset class="submit-buttons"><input type="hidden" name="creation_time" value="1"><input type="hidden" name="form_token" value="t"><input type="submit" accesskey="s" tabindex="6" name="post" value="Submit" class="button1 default-submit-action"></fieldset></div>
</form></div>
<script>function storeCaret(){} function initInsertions(){}</script></body></html>)html";

// MyBB without its editor.
const char mybbPlain[] = R"html(<html><head><title>Board - Post Reply</title></head><body>
<form action="newreply.php?tid=5&amp;processed=1" method="post" name="input" enctype="multipart/form-data">
<input type="hidden" name="my_post_key" value="k">
<table border="0" cellspacing="0" cellpadding="5" class="tborder">
<tr><td class="thead" colspan="2"><strong>Post Reply</strong></td></tr>
<tr><td class="trow2" width="20%"><strong>Subject:</strong></td><td class="trow2"><input type="text" class="textbox" name="subject" size="40" maxlength="85" value="RE: Test" tabindex="1"></td></tr>
<tr><td class="trow2" valign="top"><strong>Your Message:</strong></td><td class="trow2"><textarea name="message" id="message" rows="20" cols="70" tabindex="2"></textarea></td></tr>
<tr><td class="trow2"><strong>Post Options:</strong></td><td class="trow2"><label><input type="checkbox" class="checkbox" name="postoptions[signature]" value="1" tabindex="5" checked="checked"> Signature</label></td></tr>
</table>
<div style="text-align:center"><input type="submit" class="button" name="submit" value="Post Reply" tabindex="13" accesskey="s"> <input type="submit" class="button" name="previewpost" value="Preview Post" tabindex="14"></div>
<input type="hidden" name="action" value="do_newreply"><input type="hidden" name="tid" value="5">
</form></body></html>)html";

// MyBB with its WYSIWYG editor: the editor puts its frame and its own (hidden) source box in
// front of the message box it hides. The scan stops at the editor's source box, field 2.
const char mybbEditor[] = R"html(<html><head><title>Board - Post Reply</title></head><body>
<form action="newreply.php?tid=5&amp;processed=1" method="post" name="input" enctype="multipart/form-data">
<input type="hidden" name="my_post_key" value="k">
<table border="0" cellspacing="0" cellpadding="5" class="tborder">
<tr><td class="trow2"><strong>Subject:</strong></td><td class="trow2"><input type="text" class="textbox" name="subject" size="40" maxlength="85" value="RE: Test" tabindex="1"></td></tr>
<tr><td class="trow2" valign="top"><strong>Your Message:</strong></td><td class="trow2" id="editor-cell"><textarea name="message" id="message" rows="20" cols="70" tabindex="2"></textarea></td></tr>
</table>
<input type="submit" class="button" name="submit" value="Post Reply">
</form>
<script>
(function () {
    var original = document.getElementById('message');
    var box = document.createElement('div');
    box.className = 'sceditor-container ltr';
    box.style.width = '600px';
    box.style.height = '250px';
    box.innerHTML = '<div class="sceditor-toolbar"><div class="sceditor-group"><a class="sceditor-button sceditor-button-bold" title="Bold">B</a></div></div>' +
        '<iframe frameborder="0" allowfullscreen="true" style="width:590px;height:200px"></iframe>' +
        '<textarea spellcheck="false" style="display:none"></textarea>';
    original.parentNode.insertBefore(box, original);
    original.style.display = 'none';
    var doc = box.querySelector('iframe').contentDocument;
    doc.open();
    doc.write('<!DOCTYPE html><html><head><meta charset="utf-8"></head><body contenteditable="true"><p><br></p></body></html>');
    doc.close();
})();
</script></body></html>)html";

// SMF 2: a search form in the header; a message-icon list before the message box.
const char smf[] =
    R"html(<!DOCTYPE html><html><head><meta charset="UTF-8"><title>Post reply</title></head><body id="chrome" class="action_post board_1">
<div id="header"><form id="search_form" action="index.php?action=search2" method="post" accept-charset="UTF-8"><input type="text" name="search" value="" class="input_text">&nbsp;<input type="submit" name="search2" value="Search" class="button_submit"><input type="hidden" name="advanced" value="0"></form></div>
<form action="index.php?action=post2;start=0;board=1" method="post" accept-charset="UTF-8" name="postmodify" id="postmodify" class="flow_hidden" onsubmit="submitonce(this);" enctype="multipart/form-data">
<div class="roundframe"><dl id="post_header"><dt class="clear"><span id="caption_subject">Subject:</span></dt><dd><input type="text" name="subject" value="Re: hello" tabindex="1" size="80" maxlength="80" class="input_text"></dd>
<dt class="clear_left"><span id="caption_icon">Message icon:</span></dt><dd><select name="icon" id="icon" onchange="showimage()"><option value="xx" selected>Standard</option><option value="thumbup">Thumb Up</option></select></dd></dl>
<div id="bbcBox_message"></div><div id="smileyBox_message"></div>
<textarea class="editor" name="message" id="message" rows="12" cols="600" onselect="storeCaret(this);" onclick="storeCaret(this);" onkeyup="storeCaret(this);" onchange="storeCaret(this);" tabindex="2" style="width: 100%; height: 250px;"></textarea>
<input type="hidden" name="message_mode" value="0">
<span class="smalltext"><input type="submit" value="Post" tabindex="3" accesskey="s" class="button_submit"></span>
<input type="hidden" name="topic" value="1"><input type="hidden" name="sc" value="x"></div></form>
<script>function storeCaret(){} function submitonce(){} function showimage(){}</script></body></html>)html";

// FluxBB: a hidden field, then the message box inside its label.
const char fluxbb[] =
    R"html(<!DOCTYPE html PUBLIC "-//W3C//DTD XHTML 1.0 Strict//EN" "http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd">
<html xmlns="http://www.w3.org/1999/xhtml" xml:lang="en" lang="en" dir="ltr"><head><title>Post a reply / Board</title></head><body>
<div id="punpost" class="pun"><div id="postform" class="blockform"><h2><span>Post reply</span></h2><div class="box">
<form id="post" method="post" action="post.php?action=post&amp;tid=1" onsubmit="this.submit.disabled=true;return true;">
<div class="inform"><fieldset><legend>Write your message and submit</legend><div class="infldset txtarea">
<input type="hidden" name="form_sent" value="1" />
<label class="required"><strong>Message <span>(Required)</span></strong><br />
<textarea name="req_message" rows="20" cols="95" tabindex="1"></textarea><br /></label>
<ul class="bblinks"><li><span><a href="help.php#bbcode">BBCode:</a> on</span></li></ul></div></fieldset></div>
<div class="inform"><fieldset><legend>Options</legend><div class="infldset"><div class="rbox"><label><input type="checkbox" name="hide_smilies" value="1" tabindex="2" />Never show smilies as icons for this post<br /></label></div></div></fieldset></div>
<p class="buttons"><input type="submit" name="submit" value="Submit" tabindex="3" accesskey="s" /> <input type="submit" name="preview" value="Preview" tabindex="4" accesskey="p" /></p>
</form></div></div></div></body></html>)html";

// PunBB 1.4: the message box sits in a wrapper whose class holds "textarea", on the line of the
// last hidden field, so the scan stops at that hidden field (2).
const char punbb[] =
    R"html(<!DOCTYPE html><html lang="en" dir="ltr"><head><meta charset="utf-8" /><title>Post reply - Board</title></head><body>
<div id="brd-main"><div class="main-content main-frm">
<form id="afocus" class="frm-form" method="post" accept-charset="utf-8" action="/post.php?tid=1">
<div class="hidden"><input type="hidden" name="form_sent" value="1" /><input type="hidden" name="form_user" value="admin" /><input type="hidden" name="csrf_token" value="x" /></div><fieldset class="frm-group group1"><legend class="group-legend"><strong>Required information</strong></legend><div class="txt-set set1"><div class="txt-box textarea required"><label for="fld1"><span>Write message</span> <small>(Required)</small></label><div class="txt-input"><span class="fld-input"><textarea id="fld1" name="req_message" rows="14" cols="95"></textarea></span></div></div></div>
</fieldset>
<div class="frm-buttons"><span class="submit primary"><input type="submit" name="submit_button" value="Submit" /></span> <span class="submit"><input type="submit" name="preview" value="Preview" /></span></div>
</form></div></div></body></html>)html";

// Vanilla's rich editor: an editable div; the form's text area only carries the editor's data.
const char vanilla[] =
    R"html(<!DOCTYPE html><html lang="en"><head><meta charset="utf-8"><title>Discussion - Community</title></head><body class="Vanilla Discussion">
<div class="CommentForm FormTitleWrapper"><h2 class="H">Leave a Comment</h2>
<form method="post" action="/post/comment/?discussionid=1" autocomplete="off" class="CommentForm">
<input type="hidden" id="Form_TransientKey" name="TransientKey" value="x">
<input type="hidden" id="Form_DiscussionID" name="DiscussionID" value="1">
<div class="bodybox-wrap"><div class="richEditor" aria-label="Type your message"><div class="richEditor-frame InputBox"><div class="richEditor-textWrap"><div class="ql-editor richEditor-text userContent" id="editor" data-gramm="false" contenteditable="true" data-placeholder="Create a new post..." tabindex="0" role="textbox" aria-multiline="true" style="min-height: 80px"><p><br></p></div></div></div></div>
<textarea id="Form_Body" name="Body" class="TextBox BodyBox js-bodybox" format="Rich" rows="6" cols="100" style="display: none;"></textarea></div>
<div class="Buttons"><input type="submit" id="Form_PostComment" name="Post_Comment" value="Post Comment" class="Button Primary CommentButton"></div>
</form></div></body></html>)html";

// NodeBB's composer: a text area outside any form; only the header search is a form.
const char nodebb[] =
    R"html(<!DOCTYPE html><html lang="en-GB"><head><meta charset="utf-8"><title>Community</title></head><body class="page-topic">
<nav class="navbar"><form id="search-form" class="navbar-form" role="search" method="GET"><input autocomplete="off" type="text" class="form-control" placeholder="Search" name="query" value=""><button type="submit" class="btn">Search</button></form></nav>
<div component="composer" class="composer resizable" style="visibility: inherit;"><div class="composer-container">
<div class="title-container"><input class="title form-control" type="text" tabindex="1" placeholder="Enter your topic title here..." value=""></div>
<div class="write-preview-container"><div class="write-container"><div class="help-text">Compose</div>
<textarea class="write" tabindex="4" placeholder="Type here to write your post" style="height: 200px; width: 90%"></textarea></div>
<div class="preview-container"><div class="preview well"></div></div></div>
<button class="btn btn-primary composer-submit" data-action="post">Submit</button></div></div></body></html>)html";

// Discourse's composer: no form on the page at all.
const char discourse[] =
    R"html(<!DOCTYPE html><html lang="en"><head><meta charset="utf-8"><title>Topic - Discourse</title></head><body class="docs">
<div id="main-outlet"><div class="topic-post"><div class="cooked"><p>First post</p></div></div></div>
<div id="reply-control" class="open"><div class="reply-area"><div class="reply-to">Reply to topic</div>
<div class="d-editor"><div class="d-editor-container"><div class="d-editor-textarea-wrapper"><div class="d-editor-button-bar"><button class="btn bold" title="Strong">B</button></div>
<textarea autocomplete="off" id="ember12" class="d-editor-input" placeholder="Type here." style="width:600px;height:200px"></textarea></div>
<div class="d-editor-preview-wrapper"><div class="d-editor-preview"></div></div></div></div>
<div class="submit-panel"><button class="btn btn-primary create">Reply</button></div></div></div></body></html>)html";

// An old board writing upper-case tags and unquoted attributes.
const char oldBoard[] = R"html(<HTML><HEAD><TITLE>Post Reply</TITLE></HEAD><BODY BGCOLOR=#FFFFFF>
<FORM METHOD=POST ACTION="/cgi-bin/board.cgi" NAME="REPLIER"><INPUT TYPE=HIDDEN NAME="action" VALUE="reply">
<TABLE BORDER=0><TR><TD><B>Subject:</B></TD><TD><INPUT TYPE=TEXT NAME="subject" SIZE=40 MAXLENGTH=80></TD></TR>
<TR><TD VALIGN=TOP><B>Message:</B></TD><TD><TEXTAREA NAME="message" ROWS=10 COLS=60 WRAP=VIRTUAL></TEXTAREA></TD></TR>
<TR><TD COLSPAN=2><INPUT TYPE=SUBMIT VALUE="Post Reply"></TD></TR></TABLE></FORM></BODY></HTML>)html";

// An old board that opens its form between table rows: the form element ends empty and the
// fields after it still belong to it. The scan finds no text area inside a form.
const char oldBoardTable[] = R"html(<HTML><HEAD><TITLE>Reply</TITLE></HEAD><BODY>
<TABLE WIDTH=600><FORM METHOD=POST ACTION="/post.cgi" NAME="PostForm"><TR><TD>Subject</TD><TD><INPUT TYPE=TEXT NAME="Subject"></TD></TR>
<TR><TD>Message</TD><TD><TEXTAREA NAME="Message" ROWS=8 COLS=50></TEXTAREA></TD></TR>
<TR><TD><INPUT TYPE=SUBMIT NAME="Post" VALUE="Post"></TD></TR></FORM></TABLE></BODY></HTML>)html";

// An old board in frames: the top document is a frameset; the form is in a frame.
const char frameset[] = R"html(<HTML><HEAD><TITLE>Board</TITLE></HEAD>
<FRAMESET ROWS="60,*" BORDER=0><FRAME SRC="/frames/menu.html" NAME="menu" SCROLLING=NO><FRAME SRC="/frames/post.html" NAME="main"></FRAMESET></HTML>)html";
const char framesetMenu[] =
    R"html(<HTML><BODY><A HREF="/" TARGET="_top">Index</A></BODY></HTML>)html";
const char framesetPost[] =
    R"html(<HTML><BODY><FORM METHOD=POST ACTION="/post.cgi"><INPUT TYPE=HIDDEN NAME="thread" VALUE="7">
Subject: <INPUT TYPE=TEXT NAME="subject"><BR><TEXTAREA NAME="body" ROWS=10 COLS=60></TEXTAREA><BR><INPUT TYPE=SUBMIT VALUE="Send"></FORM></BODY></HTML>)html";

// An editor that keeps its state in a hidden text area in front of the message box.
const char hiddenStateFirst[] = R"html(<html><head><title>New topic</title></head><body>
<form action="/topic/new" method="post"><input type="text" name="title" value="">
<textarea name="editor_state" style="display:none">{"mode":"source"}</textarea>
<textarea name="content" rows="12" cols="70"></textarea>
<input type="submit" value="Create"></form></body></html>)html";

// A hidden input named after the message box stands before it: the scan stops there.
const char textareaNamedInput[] = R"html(<html><head><title>Reply</title></head><body>
<form action="/reply" method="post"><input type="hidden" name="textarea_id" value="post_body"><input type="text" name="title">
<textarea id="post_body" name="post" rows="12" cols="70"></textarea><input type="submit" value="Reply"></form></body></html>)html";

// An old editor that switches its frame's document into design mode.
const char designMode[] = R"html(<html><head><title>Compose</title></head><body>
<form action="/compose" method="post"><input type="text" name="subject"><textarea name="html" style="display:none"></textarea>
<iframe id="wysiwyg" src="about:blank" style="width:500px;height:200px"></iframe><input type="submit" value="Send"></form>
<script>document.getElementById('wysiwyg').contentDocument.designMode = 'on';</script></body></html>)html";

// A page whose scripts replace the DOM functions the program relies on.
const char hostile[] = R"html(<html><head><title>Reply</title><script>
Object.defineProperty(HTMLTextAreaElement.prototype, 'value', {set: function () {}, get: function () { return 'x'; }});
Document.prototype.querySelectorAll = function () { return []; };
Element.prototype.querySelectorAll = function () { return []; };
window.Event = function () { throw new Error('no events'); };
JSON.parse = function () { throw new Error('no JSON'); };
</script></head><body><form action="/reply" method="post"><input type="hidden" name="id" value="1"><textarea id="message" name="message" rows="10" cols="60"></textarea></form></body></html>)html";

const char noField[] =
    R"html(<html><head><title>Topic</title></head><body><h1>Topic</h1><p>No replies possible.</p>
<form action="/search"><input type="text" name="q"><input type="submit" value="Search"></form></body></html>)html";

const char foreignFrame[] =
    R"html(<html><head><title>Embedded</title></head><body><h1>Reply below</h1>
<iframe src="%1/post.html" style="width:700px;height:400px"></iframe></body></html>)html";

} // namespace

QByteArray foreignPostingPage() {
    return QByteArray(mybbPlain);
}

QList<ForumPage> forumPages(const QString& otherOrigin) {
    const QString valueOf = u"document.querySelector('%1')"_s;
    return {
        {u"phpBB 2"_s,
         "/phpbb2.html",
         phpbb2,
         {},
         {1, 3},
         WrittenField::ScannedTextArea,
         valueOf.arg(u"textarea[name=message]")},
        {u"phpBB 3"_s,
         "/phpbb3.html",
         phpbb3,
         {},
         {1, 1},
         WrittenField::ScannedTextArea,
         valueOf.arg(u"#message")},
        {u"MyBB"_s,
         "/mybb.html",
         mybbPlain,
         {},
         {0, 2},
         WrittenField::ScannedTextArea,
         valueOf.arg(u"#message")},
        {u"MyBB editor"_s,
         "/mybb-editor.html",
         mybbEditor,
         {},
         {0, 2},
         WrittenField::RichEditor,
         u"document.querySelector('.sceditor-container iframe')"
         ".contentDocument.body"_s},
        {u"SMF"_s,
         "/smf.html",
         smf,
         {},
         {1, 1},
         WrittenField::ScannedTextArea,
         valueOf.arg(u"#message")},
        {u"FluxBB"_s,
         "/fluxbb.html",
         fluxbb,
         {},
         {0, 1},
         WrittenField::ScannedTextArea,
         valueOf.arg(u"textarea[name=req_message]")},
        {u"PunBB"_s,
         "/punbb.html",
         punbb,
         {},
         {0, 2},
         WrittenField::FormTextArea,
         valueOf.arg(u"#fld1")},
        {u"Vanilla rich editor"_s,
         "/vanilla.html",
         vanilla,
         {},
         {0, 2},
         WrittenField::RichEditor,
         u"document.getElementById('editor')"_s},
        {u"NodeBB composer"_s,
         "/nodebb.html",
         nodebb,
         {},
         {-1, -1},
         WrittenField::LooseTextArea,
         valueOf.arg(u"textarea.write")},
        {u"Discourse composer"_s,
         "/discourse.html",
         discourse,
         {},
         {-1, -1},
         WrittenField::LooseTextArea,
         valueOf.arg(u"#ember12")},
        {u"old board, upper case"_s,
         "/old.html",
         oldBoard,
         {},
         {0, 2},
         WrittenField::ScannedTextArea,
         valueOf.arg(u"textarea")},
        {u"old board, form in table"_s,
         "/old-table.html",
         oldBoardTable,
         {},
         {-1, -1},
         WrittenField::FormTextArea,
         valueOf.arg(u"textarea")},
        {u"old board, frames"_s,
         "/frames.html",
         frameset,
         {{"/frames/menu.html", framesetMenu}, {"/frames/post.html", framesetPost}},
         {-1, -1},
         WrittenField::FormTextArea,
         u"document.querySelector('frame[name=main]').contentDocument"
         ".querySelector('textarea')"_s},
        {u"hidden editor state first"_s,
         "/state.html",
         hiddenStateFirst,
         {},
         {0, 1},
         WrittenField::FormTextArea,
         valueOf.arg(u"textarea[name=content]")},
        {u"input named textarea"_s,
         "/named.html",
         textareaNamedInput,
         {},
         {0, 0},
         WrittenField::FormTextArea,
         valueOf.arg(u"#post_body")},
        {u"design-mode frame"_s,
         "/design.html",
         designMode,
         {},
         {0, 1},
         WrittenField::RichEditor,
         u"document.getElementById('wysiwyg').contentDocument.body"_s},
        {u"page replacing DOM functions"_s,
         "/hostile.html",
         hostile,
         {},
         {0, 1},
         WrittenField::ScannedTextArea,
         valueOf.arg(u"#message")},
        {u"no field"_s, "/none.html", noField, {}, {-1, -1}, WrittenField::None, {}},
        {u"foreign frame only"_s,
         "/foreign.html",
         QString::fromLatin1(foreignFrame).arg(otherOrigin).toUtf8(),
         {},
         {-1, -1},
         WrittenField::None,
         {}},
    };
}

} // namespace quillbox::test
