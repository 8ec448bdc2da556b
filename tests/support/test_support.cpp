// Anchor of the test support library; the fakes live in their own files beside it.
