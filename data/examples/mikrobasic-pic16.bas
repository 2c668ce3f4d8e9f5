' *
' * Project name:
'     Timer Interrupt Test
'     Simple demonstration of interrupt handling
' * Copyright:
'     (c) 2026 The Tickwell developers
' * Revision History:
'     20080225:
'       - initial release.
' * Description:
'     This code demonstrates using interrupts in mikroBasic.
' * Test configuration:
'     MCU:             PIC16F877A
'     Dev.Board:       EasyPIC4
'     Oscillator:      HS, 08.0000 MHz
'     Ext. Modules:    -
'     SW:              mikroBasic v7.0
' * NOTES:
'     Generated with Tickwell
'     www.tickwell.example
' *

program TMR0

Dim cnt As word

sub procedure interrupt
  Inc (cnt)              ' increment value of cnt on every interrupt
  TMR0 = 96
  INTCON = $20           ' set T0IE, clear T0IF
End Sub

main:
  OPTION_REG = $84       ' Assign prescaler to TMR0
  TRISB = 0              ' PORTB is output
  PORTB = $FF            ' initialize PORTB
  TMR0 = 96             ' timer0 initial value
  INTCON = 0xA0          ' enable TMRO interrupt
  cnt = 0                ' initialize cnt

  While True
    If (cnt = 400) Then
      PORTB = Not PORTB  ' toggle PORTB LEDs
      cnt = 0            ' reset cnt
    End If
  Wend
end.
