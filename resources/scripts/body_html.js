// Answers {token, outer, inner}, or {token} when the document has no body; with args.text also
// the body's text as it is rendered (innerText), as {text}.
var token = documentToken(true);
var body = bodyOf(document);
if (!body)
    return {token: token};
var answer = {token: token, outer: body.outerHTML, inner: body.innerHTML};
if (args.text)
    answer.text = Object.getOwnPropertyDescriptor(HTMLElement.prototype, 'innerText').get.call(body);
return answer;
