// Answers {token}.
return {token: documentToken(true)};
