// Answers {token, outer, inner}, or {token} when the document has no body.
var token = documentToken(true);
var body = bodyOf(document);
if (!body)
    return {token: token};
return {token: token, outer: body.outerHTML, inner: body.innerHTML};
