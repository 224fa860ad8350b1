"""Scripted test server of the client: frame cipher, records, frame builders and the harness."""

from .cipher import (KEY_LEN, MAX_TOTAL, FLAG_PLAIN, FLAG_REFUSAL, make_key, encipher,
                     decipher, header, parse_header, wire_frame, text_body)
from .records import split, join, field, coded, replace, record_of, show, MissingField
from .frames import (LOGIN_SCREEN, reply, redirect_reply, unavailable_reply, direct_reply,
                     login_request, parse_login_request, login_request_problems)
from .harness import REFUSE, NO_CONNECTION, ScenarioFailure, ConnectionClosed, Frame
